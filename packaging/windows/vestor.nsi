; The Windows installer, built by scripts/windows/build with makensis:
;   VERSION, STAGE (the folder of the zip), UNINSTALL_FILES (Delete and RMDir lines for every file
;   and folder of STAGE), ICON, OUTFILE.
; Installs for every user of the PC into Program Files, with a Start-menu entry and an uninstaller
; listed under Apps; `vestor-<version>-setup.exe /S` installs silently, `uninstall.exe /S` removes
; silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestor"

Name "Vestor ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Vestor"
RequestExecutionLevel admin
ShowInstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Vestor"
VIAddVersionKey "FileDescription" "Vestor ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "The Vestor developers"
VIAddVersionKey "LegalCopyright" "Copyright 2026 The Vestor developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Vestor"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vestor.lnk" "$INSTDIR\vestor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vestor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Vestor developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vestor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Vestor.lnk"
!include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a folder the teacher chose that held other files stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
