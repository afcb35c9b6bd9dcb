; The Windows installer: Program Files, a Start-menu shortcut, an uninstaller that
; Add/Remove Programs knows; /S installs and uninstalls silently.
; makensis -DVERSION=… -DVERSION4=… -DFILES=<folder> -DICON=<icon.ico> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvenar.Parvelo"

Name "Parvelo"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tolvenar\Parvelo"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
BrandingText "Tolvenar Parvelo V${VERSION}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Tolvenar Parvelo"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "LED电子屏预算工具 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "Tolvenar"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "MIT License"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Parvelo"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${FILES}\parvelo.exe"
    File "${FILES}\readme.txt"
    File "${FILES}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Parvelo.lnk" "$INSTDIR\parvelo.exe" "" "$INSTDIR\parvelo.exe" 0 \
        SW_SHOWNORMAL "" "LED电子屏预算工具"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Parvelo LED电子屏预算工具"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tolvenar"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\parvelo.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Parvelo.lnk"
    Delete "$INSTDIR\parvelo.exe"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$INSTDIR\.." ; the maker's folder, when nothing else is in it
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
