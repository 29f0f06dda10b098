; The installer of the launcher. It installs for the current user only, with
; the user's own rights, into a folder the user can write: the launcher keeps
; Corvella.ini and the shortcut copies of its buttons in its own folder, so a
; folder the user cannot write would lose every change.
;
; makensis -DVERSION=1.74 -DVERSION_QUAD=1.74.0.0 -DOUTFILE=... -DLISTS=dir
;          -DICON=program.ico [-DTARGET_64] corvella.nsi
; LISTS holds files.nsh, remove.nsh and components.nsh (made by the build).

Unicode true
!ifdef TARGET_64
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Corvella"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvella"
!define MAIN_WINDOW_CLASS "CorvellaMainWindow"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "The Corvella developers"
VIAddVersionKey "LegalCopyright" "Free software, see README.md"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup installs ${PRODUCT} ${VERSION} for you alone, in a folder of your own; it needs no administrator rights.$\r$\n$\r$\nIf ${PRODUCT} is running, setup closes it first (your settings are saved).$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderWritable
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\corvella.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running launcher holds its files open: ask it to close (it saves its
; settings on the way) and give it a moment.
!macro CloseRunningLauncher
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 <> 0
    DetailPrint "Closing the running ${PRODUCT}"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=10000
    Sleep 1000
  ${EndIf}
!macroend

; Components that register themselves, per user; a failure is reported
; (shortcuts then open through the shell) but does not stop the install.
!macro Register file
  ClearErrors
  RegDLL "$INSTDIR\${file}"
  ${If} ${Errors}
    DetailPrint "Could not register ${file}"
    MessageBox MB_OK|MB_ICONEXCLAMATION "${file} could not be registered." /SD IDOK
  ${EndIf}
!macroend
!macro Unregister file
  ${If} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    UnRegDLL "$INSTDIR\${file}"
  ${EndIf}
!macroend

Function CheckFolderWritable
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\corvella-setup.tmp" w
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "You cannot write to $INSTDIR.$\r$\n${PRODUCT} keeps its settings in its own folder: choose a folder of your own."
    RMDir "$INSTDIR"
    Abort
  ${EndIf}
  FileClose $0
  Delete "$INSTDIR\corvella-setup.tmp"
FunctionEnd

Section "${PRODUCT}"
  SetShellVarContext current
  !insertmacro CloseRunningLauncher
  SetOutPath "$INSTDIR"
  ; Corvella.ini and the shortcut copies are not among these files, so an
  ; install over an older version keeps them.
  !include "${LISTS}/files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  !define Component "!insertmacro Register"
  !include "${LISTS}/components.nsh"
  !undef Component

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\corvella.exe" "" "$INSTDIR\corvella.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Corvella developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\corvella.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro CloseRunningLauncher
  !define Component "!insertmacro Unregister"
  !include "${LISTS}/components.nsh"
  !undef Component
  !include "${LISTS}/remove.nsh"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; What the user made stays unless they say otherwise (and always in a
  ; silent uninstall).
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Delete your ${PRODUCT} settings (Corvella.ini) and the shortcut copies of your buttons too?$\r$\n$\r$\nChoose No to keep them for a later install." \
    /SD IDNO IDNO keep
    Delete "$INSTDIR\Corvella.ini"
    Delete "$INSTDIR\*.lnk"
    Delete "$INSTDIR\*.url"
    Delete "$INSTDIR\*.pif"
  keep:
  ; Removed only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
