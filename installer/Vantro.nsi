; Vantro's Windows installer: built by scripts/package.sh with makensis.
;   makensis -DVERSION=1.5.0 -DBIN=<folder with Vantro.exe> -DOUTFILE=<setup.exe> Vantro.nsi
; Command line of the built setup: /S installs silently; /StartWithWindows also makes
; Vantro start at log-on. The uninstaller takes /S too (the task list is then kept).
Unicode true
Target amd64-unicode

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!ifndef VERSION | BIN | OUTFILE | ICON
  !error "define VERSION, BIN, ICON and OUTFILE"
!endif

!define STORE_KEY "SOFTWARE\Halvern\Vantro"
!define TASKS_KEY "SOFTWARE\Halvern\Vantro\Tasks"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
!define UNINST_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Vantro"
; The same security Vantro itself gives its store when started as administrator:
; full control for the system and administrators, read and write for Users (S-1-5-32-545,
; named by its well-known SID so that a localised Windows finds it too).
!define STORE_SECURITY "D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KRKWSD;;;BU)"
; Users may change files in the program folder (Vantro writes message.txt there);
; the folder keeps what it inherits from Program Files.
!define FOLDER_USERS_ACE "D:(A;OICI;0x1301bf;;;BU)"
!define HKLM_HANDLE 0x80000002
!define WRITE_DAC_64KEY 0x00040100  ; WRITE_DAC | KEY_WOW64_64KEY
!define SE_FILE_OBJECT 1
!define DACL_UNPROTECTED 0x20000004
!define SYNCHRONIZE_TERMINATE 0x00100001

Name "Vantro ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vantro"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Halvern"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Vantro"
VIAddVersionKey "CompanyName" "Halvern"
VIAddVersionKey "FileDescription" "Vantro ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 Halvern"

Var StartWithWindows  ; 1 when /StartWithWindows was given

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${BIN}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Vantro now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartNow
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Start Vantro when Windows starts"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION StartWithWindowsChosen
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FinishLeave
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ---- Shared by the installer and the uninstaller ----

; Ends every running Vantro through its orderly exit (WM_CLOSE to its main window),
; with the close notice switched off meanwhile so that nothing waits for a click. One
; that has not ended after 10 s is ended by force.
!macro CLOSE_VANTRO un
Function ${un}CloseVantro
  FindWindow $R0 "VantroMain"
  ${If} $R0 = 0
    Return
  ${EndIf}
  ClearErrors
  ReadRegStr $R5 HKLM "${STORE_KEY}" "Show Close Windows"
  StrCpy $R6 "kept"
  ${If} ${Errors}
    StrCpy $R6 "none"
  ${EndIf}
  WriteRegStr HKLM "${STORE_KEY}" "Show Close Windows" "F"
  StrCpy $R7 0
  ${Do}
    ${IfThen} $R0 = 0 ${|} ${ExitDo} ${|}
    ${IfThen} $R7 >= 8 ${|} ${ExitDo} ${|}
    IntOp $R7 $R7 + 1
    System::Call 'user32::GetWindowThreadProcessId(p R0, *i .R1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE_TERMINATE}, i 0, i R1) p .R2'
    System::Call 'user32::PostMessageW(p R0, i ${WM_CLOSE}, p 0, p 0)'
    ${If} $R2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p R2, i 10000) i .R3'
      ${If} $R3 <> 0
        DetailPrint "Vantro did not end within 10 seconds: ending it"
        System::Call 'kernel32::TerminateProcess(p R2, i 1)'
        System::Call 'kernel32::WaitForSingleObject(p R2, i 5000)'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p R2)'
    ${Else}
      Sleep 2000
    ${EndIf}
    FindWindow $R0 "VantroMain"
  ${Loop}
  ${If} $R6 == "none"
    DeleteRegValue HKLM "${STORE_KEY}" "Show Close Windows"
  ${Else}
    WriteRegStr HKLM "${STORE_KEY}" "Show Close Windows" $R5
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_VANTRO ""
!insertmacro CLOSE_VANTRO "un."

; $R0 = a launcher file; $R0 becomes 1 when its version resource says it is Vantro's
; (maker Halvern, product Vantro), else 0. Another program's task.exe is left alone.
!macro IS_OUR_LAUNCHER un
Function ${un}IsOurLauncher
  StrCpy $R3 ""
  StrCpy $R4 ""
  System::Call 'version::GetFileVersionInfoSizeW(w R0, p 0) i .R1'
  ${If} $R1 > 0
    System::Alloc $R1
    Pop $R2
    System::Call 'version::GetFileVersionInfoW(w R0, i 0, i R1, p R2) i .R5'
    System::Call 'version::VerQueryValueW(p R2, w "\StringFileInfo\040904B0\CompanyName", *p .R6, *i .R7) i .R5'
    ${If} $R5 <> 0
      System::Call '*$R6(&w64 .R3)'
    ${EndIf}
    System::Call 'version::VerQueryValueW(p R2, w "\StringFileInfo\040904B0\ProductName", *p .R6, *i .R7) i .R5'
    ${If} $R5 <> 0
      System::Call '*$R6(&w64 .R4)'
    ${EndIf}
    System::Free $R2
  ${EndIf}
  StrCpy $R0 0
  ${If} $R3 == "Halvern"
  ${AndIf} $R4 == "Vantro"
    StrCpy $R0 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro IS_OUR_LAUNCHER ""
!insertmacro IS_OUR_LAUNCHER "un."

; ---- Installer ----

Function .onInit
  SetRegView 64
  SetShellVarContext all
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/StartWithWindows" $R1
  ${IfNot} ${Errors}
    StrCpy $StartWithWindows 1
  ${EndIf}
FunctionEnd

; $R0 = a key under HKEY_LOCAL_MACHINE: created when missing, given the store security.
Function SecureStoreKey
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${STORE_SECURITY}", i 1, *p .R1, p 0) i .R2'
  System::Call 'advapi32::RegCreateKeyExW(p ${HKLM_HANDLE}, w R0, i 0, p 0, i 0, i ${WRITE_DAC_64KEY}, p 0, *p .R3, p 0) i .R4'
  ${If} $R4 = 0
    System::Call 'advapi32::RegSetKeySecurity(p R3, i 4, p R1) i .R4'
    System::Call 'advapi32::RegCloseKey(p R3)'
  ${EndIf}
  ${If} $R4 <> 0
    DetailPrint "Could not give Users write access to HKLM\$R0 (error $R4)"
  ${EndIf}
  System::Call 'kernel32::LocalFree(p R1)'
FunctionEnd

Function SecureStore
  StrCpy $R0 "${STORE_KEY}"
  Call SecureStoreKey
  StrCpy $R0 "${TASKS_KEY}"
  Call SecureStoreKey
  ; Task keys that are there already (from an earlier run) get the same.
  StrCpy $R8 0
  ${Do}
    EnumRegKey $R9 HKLM "${TASKS_KEY}" $R8
    ${IfThen} $R9 == "" ${|} ${ExitDo} ${|}
    StrCpy $R0 "${TASKS_KEY}\$R9"
    Call SecureStoreKey
    IntOp $R8 $R8 + 1
  ${Loop}
FunctionEnd

Function OpenFolderToUsers
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${FOLDER_USERS_ACE}", i 1, *p .R1, p 0) i .R2'
  System::Call 'advapi32::GetSecurityDescriptorDacl(p R1, *i .R2, *p .R3, *i .R4) i .R5'
  System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i ${SE_FILE_OBJECT}, i ${DACL_UNPROTECTED}, p 0, p 0, p R3, p 0) i .R5'
  ${If} $R5 <> 0
    DetailPrint "Could not give Users write access to $INSTDIR (error $R5)"
  ${EndIf}
  System::Call 'kernel32::LocalFree(p R1)'
FunctionEnd

; The launcher copy: made when there is none, renewed when it is ours.
Function CopyLauncher
  StrCpy $R0 "$WINDIR\task.exe"
  ${If} ${FileExists} "$R0"
    Call IsOurLauncher
    ${If} $R0 = 0
      DetailPrint "$WINDIR\task.exe belongs to another program: left alone"
      Return
    ${EndIf}
  ${EndIf}
  CopyFiles /SILENT "$INSTDIR\task.exe" "$WINDIR\task.exe"
FunctionEnd

Function WriteUninstallEntry
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Vantro"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "Halvern"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Vantro.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $R0
FunctionEnd

; Quoted: unquoted, Windows would first try to run "C:\Program.exe" at every log-on.
Function WriteRunValue
  WriteRegStr HKLM "${RUN_KEY}" "Vantro" '"$INSTDIR\Vantro.exe"'
FunctionEnd

Section "Vantro"
  Call CloseVantro
  SetOutPath "$INSTDIR"
  File "${BIN}\Vantro.exe"
  File "${BIN}\task.exe"
  File "${BIN}\Vantro.htm"
  File "${BIN}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Vantro.lnk" "$INSTDIR\Vantro.exe" "" "$INSTDIR\Vantro.exe" 0 SW_SHOWNORMAL "" "Vantro task scheduler"
  Call OpenFolderToUsers
  Call SecureStore
  Call CopyLauncher
  Call WriteUninstallEntry
  ; An entry of ours written unquoted by an earlier version is quoted now.
  ReadRegStr $R0 HKLM "${RUN_KEY}" "Vantro"
  ${If} $StartWithWindows == 1
  ${OrIf} $R0 == "$INSTDIR\Vantro.exe"
    Call WriteRunValue
  ${EndIf}
SectionEnd

Function FinishShow
  ReadRegStr $R0 HKLM "${RUN_KEY}" "Vantro"
  ${If} $R0 != ""
    SendMessage $mui.FinishPage.ShowReadme ${BM_SETCHECK} ${BST_CHECKED} 0
  ${EndIf}
FunctionEnd

Function StartWithWindowsChosen
  Call WriteRunValue
FunctionEnd

; Unticked: an entry of ours goes.
Function FinishLeave
  ${NSD_GetState} $mui.FinishPage.ShowReadme $R1
  ReadRegStr $R0 HKLM "${RUN_KEY}" "Vantro"
  ${If} $R1 <> ${BST_CHECKED}
  ${AndIf} $R0 != ""
    ${If} $R0 == '"$INSTDIR\Vantro.exe"'
    ${OrIf} $R0 == "$INSTDIR\Vantro.exe"
      DeleteRegValue HKLM "${RUN_KEY}" "Vantro"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function StartNow
  Exec '"$INSTDIR\Vantro.exe"'
FunctionEnd

; ---- Uninstaller ----

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Call un.CloseVantro
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep the Vantro task list?$\r$\n$\r$\nYes keeps the tasks and settings in the registry for a later installation. No removes them." /SD IDYES IDYES keep
    DeleteRegKey HKLM "${STORE_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Halvern"
  keep:

  ; The Run value when it is ours: empty (switched off), or naming this Vantro.exe.
  ClearErrors
  ReadRegStr $R0 HKLM "${RUN_KEY}" "Vantro"
  ${IfNot} ${Errors}
    ${If} $R0 == ""
    ${OrIf} $R0 == '"$INSTDIR\Vantro.exe"'
    ${OrIf} $R0 == "$INSTDIR\Vantro.exe"
      DeleteRegValue HKLM "${RUN_KEY}" "Vantro"
    ${EndIf}
  ${EndIf}

  StrCpy $R0 "$WINDIR\task.exe"
  Call un.IsOurLauncher
  ${If} $R0 = 1
    Delete "$WINDIR\task.exe"
  ${EndIf}

  Delete "$SMPROGRAMS\Vantro.lnk"
  Delete "$INSTDIR\Vantro.exe"
  Delete "$INSTDIR\task.exe"
  Delete "$INSTDIR\Vantro.htm"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\message.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
