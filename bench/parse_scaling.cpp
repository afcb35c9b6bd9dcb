// Reads a content of N unclosed "<a " tags, the worst case for a reader that searches
// on for each tag's '>':   parvelo_parse_scaling N
// bench/check-linear runs it under callgrind at two sizes and compares the counts.
#include "hypertext.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    const long n = argc > 1 ? std::atol(argv[1]) : 10000;
    std::string content;
    for (long i = 0; i < n; ++i)
        content += "<a ";
    const parvelo::HyperDocument doc = parvelo::parse_hypertext(content);
    std::printf("%zu lines, %zu links\n", doc.lines.size(), doc.targets.size());
    return 0;
}
