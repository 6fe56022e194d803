; The installer of ミルネ2002 for schools whose PCs allow installing: it puts the same folder as
; the zip under the user's own programs (no administrator needed), a Start-menu entry, and the
; .zr2 file type, so that a data file opens with a double click. build-windows.sh passes
; VERSION, STAGE (the folder to install), ICON and OUTFILE.
; 64-bit like the program (which needs a 64-bit Windows anyway).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define APP "ミルネ2002"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\mirune"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
Icon "${ICON}"
UninstallIcon "${ICON}"

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\mirune.exe"

  ; The data file type, for this user only.
  WriteRegStr HKCU "Software\Classes\.zr2" "" "mirune.zr2"
  WriteRegStr HKCU "Software\Classes\mirune.zr2" "" "${APP} のデータファイル"
  WriteRegStr HKCU "Software\Classes\mirune.zr2\DefaultIcon" "" "$INSTDIR\mirune.exe,0"
  WriteRegStr HKCU "Software\Classes\mirune.zr2\shell\open\command" "" '"$INSTDIR\mirune.exe" "%1"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mirune.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Explorer picks up the new file type.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey HKCU "Software\Classes\mirune.zr2"
  ReadRegStr $0 HKCU "Software\Classes\.zr2" ""
  StrCmp $0 "mirune.zr2" 0 +2
    DeleteRegKey HKCU "Software\Classes\.zr2"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only what the installer put there goes: the settings file beside the program
  ; (ミルネ2002.ini) and any data file the teacher kept in the folder stay.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\fonts"
  RMDir /r "$INSTDIR\examples"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\はじめにお読みください.txt"
  RMDir "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
