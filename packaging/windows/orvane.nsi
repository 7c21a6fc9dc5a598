; The Windows installer of Orvane, made by scripts/windows with makensis (Debian package nsis):
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1.0 -DSTAGE=<the program folder> -DICON=<orvane.ico>
;            -DDLLS_NSH=<Delete lines of its DLLs> -DOUTFILE=<setup.exe> orvane.nsi
; Installs for the current user, without administrator rights, into %LOCALAPPDATA%\Programs\Orvane:
; the program folder, a Start-menu entry, the .orvane file association and an uninstaller.
Target amd64-unicode  ; a 64-bit installer for a 64-bit program (runs on 64-bit Wine alone)
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define APP "Orvane"
!define TITLE "超压泄放装置计算 Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
!define CLASS "Orvane.Case"

Name "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Orvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${TITLE} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Orvane"

Section "Orvane"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\orvane.exe" "" "$INSTDIR\orvane.exe" 0

    ; Case files open in Orvane, with its icon.
    WriteRegStr HKCU "Software\Classes\.orvane" "" "${CLASS}"
    WriteRegStr HKCU "Software\Classes\${CLASS}" "" "Orvane 案例"
    WriteRegStr HKCU "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\orvane.exe,0"
    WriteRegStr HKCU "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\orvane.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    ReadRegStr $0 HKCU "Software\Classes\.orvane" ""
    StrCmp $0 "${CLASS}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.orvane"
    DeleteRegKey HKCU "Software\Classes\${CLASS}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; What the installer put there, and nothing else: the folder may have been chosen by the user.
    Delete "$INSTDIR\orvane.exe"
    !include "${DLLS_NSH}"  ; Delete lines for the DLLs of the program folder, written by scripts/windows
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\README.txt"
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\fonts"
    RMDir /r "$INSTDIR\examples"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
