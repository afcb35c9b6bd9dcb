#pragma once

// Resource ids, shared by parvelo.rc and the code.
#define PARVELO_ICON 1
