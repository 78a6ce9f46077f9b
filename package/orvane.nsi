; The Windows installer of Orvane. Built by scripts/make-dist.sh, which passes
;   VERSION  the project's version (from the build)
;   STAGE    the folder holding exactly the files to install
;   OUTFILE  the setup program to write
; and writes lang.nsh (the language files to install) and unlang.nsh (to
; remove) beside STAGE, so that the uninstaller removes the files it installed
; and nothing else.
;
; Installing over an earlier version replaces the program and its languages
; but keeps the user's settings (never touched here), the user's own
; configurations, and the sample files once the user has changed them.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE are set by scripts/make-dist.sh"
!endif

!define PRODUCT "Orvane"
!define PUBLISHER "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
; What the program itself writes at its first start and from the settings dialog.
!define SETTINGS_KEY "Software\Orvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${STAGE}\..\orvane.ico"
!define MUI_UNICON "${STAGE}\..\orvane.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A sample file is installed only where there is none yet, and its time stamp
; kept, so that the uninstaller can tell it from one the user changed since.
!macro SampleFile NAME VALUE
  ${IfNot} ${FileExists} "$INSTDIR\${NAME}"
    File "${STAGE}\${NAME}"
    GetFileTime "$INSTDIR\${NAME}" $0 $1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${VALUE}" "$0 $1"
  ${EndIf}
!macroend

!macro RemoveUnchangedSample NAME VALUE
  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "${VALUE}"
  ${If} ${FileExists} "$INSTDIR\${NAME}"
  ${AndIf} $2 != ""
    GetFileTime "$INSTDIR\${NAME}" $0 $1
    ${If} "$0 $1" == $2
      Delete "$INSTDIR\${NAME}"
    ${EndIf}
  ${EndIf}
!macroend

Section "Orvane"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\orvane.exe"
  !insertmacro SampleFile "Sample.orv" "SampleTime"
  !insertmacro SampleFile "MyMsgList.txt" "MessageListTime"
  !include "${STAGE}\..\lang.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\orvane.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The file type the program registered, removed only while it still opens
; this copy: a portable copy elsewhere keeps its own.
!macro RemoveFileType ROOT
  ReadRegStr $0 ${ROOT} "Software\Classes\Orvane\Shell\Open\Command" ""
  ${If} $0 == '"$INSTDIR\orvane.exe" "%1"'
    DeleteRegKey ${ROOT} "Software\Classes\Orvane"
    ReadRegStr $0 ${ROOT} "Software\Classes\.orv" ""
    ${If} $0 == "Orvane"
      DeleteRegKey ${ROOT} "Software\Classes\.orv"
    ${EndIf}
  ${EndIf}
!macroend

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\orvane.exe"
  !include "${STAGE}\..\unlang.nsh"
  RMDir "$INSTDIR\Lang"
  !insertmacro RemoveUnchangedSample "Sample.orv" "SampleTime"
  !insertmacro RemoveUnchangedSample "MyMsgList.txt" "MessageListTime"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: configurations the user saved here stay.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  !insertmacro RemoveFileType HKCU
  !insertmacro RemoveFileType HKLM
  ; SHCNE_ASSOCCHANGED: the shell forgets the removed file type.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
  ${If} $0 == "$INSTDIR\orvane.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; A silent uninstall keeps them: a reinstall finds everything as it was.
  MessageBox MB_YESNO|MB_ICONQUESTION "Remove your ${PRODUCT} settings as well?$\n$\nNo keeps them for a later installation." /SD IDNO IDNO keepSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  keepSettings:
SectionEnd
