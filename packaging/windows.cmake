# The Windows packages: build-windows/parvelo-<version>-setup.exe (NSIS) and
# build-windows/parvelo-<version>-windows.zip (portable).
set(stage ${CMAKE_CURRENT_BINARY_DIR}/windows)
set(setup ${CMAKE_BINARY_DIR}/parvelo-${PROJECT_VERSION}-setup.exe)
set(zip ${CMAKE_BINARY_DIR}/parvelo-${PROJECT_VERSION}-windows.zip)

# Texts for Notepad: CR LF line ends and a byte-order mark.
foreach(pair "windows/readme.txt=readme.txt" "../LICENSE=LICENSE.txt")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/${from} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    string(ASCII 239 187 191 bom)
    file(WRITE ${stage}/${to} "${bom}${text}")
endforeach()

add_custom_command(OUTPUT ${setup} ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:parvelo> ${stage}/parvelo.exe
    COMMAND makensis -V2 -DVERSION=${PROJECT_VERSION}
            -DVERSION4=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0
            -DFILES=${stage} -DICON=${PROJECT_SOURCE_DIR}/assets/icon.ico -DOUTFILE=${setup}
            ${CMAKE_CURRENT_SOURCE_DIR}/windows/parvelo.nsi
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip parvelo.exe readme.txt LICENSE.txt
    WORKING_DIRECTORY ${stage}
    DEPENDS parvelo windows/parvelo.nsi windows/readme.txt ${PROJECT_SOURCE_DIR}/LICENSE
            ${PROJECT_SOURCE_DIR}/assets/icon.ico
    COMMENT "Packing the Windows installer and zip"
    VERBATIM)
add_custom_target(parvelo_windows_packages ALL DEPENDS ${setup} ${zip})
