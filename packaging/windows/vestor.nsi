; The Windows installer, built by scripts/windows/build with makensis:
;   VERSION, STAGE (the folder of the zip), UNINSTALL_FILES (Delete and RMDir lines for every file
;   and folder of STAGE), ICON, OUTFILE.
; Installs for every user of the PC into Program Files, with a Start-menu entry, lesson files
; (*.vestor) opening in Vestor, and an uninstaller listed under Apps; `vestor-<version>-setup.exe /S` installs silently, `uninstall.exe /S` removes
; silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestor"
!define LESSON_CLASS "Software\Classes\Vestor.Lesson"

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
  ; Lesson files (*.vestor) open in Vestor with a double-click.
  WriteRegStr HKLM "Software\Classes\.vestor" "" "Vestor.Lesson"
  WriteRegStr HKLM "${LESSON_CLASS}" "" "Vestor lesson"
  WriteRegStr HKLM "${LESSON_CLASS}\DefaultIcon" "" "$INSTDIR\vestor.exe,0"
  WriteRegStr HKLM "${LESSON_CLASS}\shell\open\command" "" '"$INSTDIR\vestor.exe" "%1"'
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
  DeleteRegKey HKLM "${LESSON_CLASS}"
  ; .vestor only while it still points at Vestor: another program may have taken it since.
  ReadRegStr $0 HKLM "Software\Classes\.vestor" ""
  StrCmp $0 "Vestor.Lesson" 0 +2
    DeleteRegKey HKLM "Software\Classes\.vestor"
SectionEnd
