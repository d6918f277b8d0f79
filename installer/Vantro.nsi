; Vantro's Windows installer: built by scripts/package.sh with makensis.
;   makensis -DVERSION=1.6.0 -DBIN=<folder with Vantro.exe> -DOUTFILE=<setup.exe> Vantro.nsi
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
; The store and the program folder keep the access Windows gives keys under SOFTWARE
; and folders under Program Files: only administrators may change them. Version 1.5.0
; gave the Users group write access to both; an install over it takes that away.
!define HKLM_HANDLE 0x80000002
!define STORE_KEY_ACCESS 0x000E0100  ; READ_CONTROL | WRITE_DAC | WRITE_OWNER | KEY_WOW64_64KEY
!define DACL_INFORMATION 4
; Rights that change a key or a file, and GENERIC_WRITE and GENERIC_ALL.
!define KEY_WRITE_RIGHTS 0x500D0026
!define FILE_WRITE_RIGHTS 0x500D0156
; WinWorldSid, WinAuthenticatedUserSid, WinBuiltinUsersSid
!define EVERYONE_SID 1
!define AUTHENTICATED_USERS_SID 17
!define USERS_SID 27
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

; $R1 = an access list: every grant to Everyone, Authenticated Users or Users keeps only
; what does not write ($R2 = the rights that write). $R0 = how many grants changed.
Function TakeAwayWriteGrants
  StrCpy $R0 0
  StrCpy $R3 0
  ${Do}
    System::Call 'advapi32::GetAce(p R1, i R3, *p .R4) i .R5'
    ${IfThen} $R5 = 0 ${|} ${ExitDo} ${|}
    IntOp $R3 $R3 + 1
    System::Call '*$R4(&i1 .R5)'
    ${IfThen} $R5 <> 0 ${|} ${Continue} ${|}  ; not ACCESS_ALLOWED_ACE_TYPE
    IntPtrOp $R6 $R4 + 4
    System::Call '*$R6(i .R7)'
    IntOp $R8 $R7 & $R2
    ${IfThen} $R8 = 0 ${|} ${Continue} ${|}
    IntPtrOp $R9 $R4 + 8
    System::Call 'advapi32::IsWellKnownSid(p R9, i ${EVERYONE_SID}) i .R5'
    System::Call 'advapi32::IsWellKnownSid(p R9, i ${AUTHENTICATED_USERS_SID}) i .R8'
    IntOp $R5 $R5 | $R8
    System::Call 'advapi32::IsWellKnownSid(p R9, i ${USERS_SID}) i .R8'
    IntOp $R5 $R5 | $R8
    ${If} $R5 <> 0
      IntOp $R8 $R2 ~
      IntOp $R7 $R7 & $R8
      System::Call '*$R6(i R7)'
      IntOp $R0 $R0 + 1
    ${EndIf}
  ${Loop}
FunctionEnd

; $R9 = a key of the store under HKEY_LOCAL_MACHINE, left as it is unless an earlier
; version opened it to everyone.
Function CloseStoreKey
  System::Call 'advapi32::RegOpenKeyExW(p ${HKLM_HANDLE}, w R9, i 0, i ${STORE_KEY_ACCESS}, *p .R1) i .R0'
  ${IfThen} $R0 <> 0 ${|} Return ${|}
  Push $R9
  StrCpy $R9 $R1  ; the open key
  System::Call 'advapi32::RegGetKeySecurity(p R9, i ${DACL_INFORMATION}, p 0, *i 0 R8) i .R0'
  System::Alloc $R8
  Pop $R7
  System::Call 'advapi32::RegGetKeySecurity(p R9, i ${DACL_INFORMATION}, p R7, *i R8) i .R0'
  ${If} $R0 = 0
    System::Call 'advapi32::GetSecurityDescriptorDacl(p R7, *i .R5, *p .R1, *i .R6) i .R0'
    ${If} $R0 <> 0
    ${AndIf} $R1 P<> 0
      Push $R7
      Push $R9
      StrCpy $R2 ${KEY_WRITE_RIGHTS}
      Call TakeAwayWriteGrants
      Pop $R9
      Pop $R7
      ${If} $R0 > 0
        System::Call 'advapi32::RegSetKeySecurity(p R9, i ${DACL_INFORMATION}, p R7) i .R0'
        Exch $R4  ; the key's path, pushed above
        ${If} $R0 = 0
          DetailPrint "Took away the write access an earlier version gave to all users on HKLM\$R4"
        ${Else}
          DetailPrint "Could not take away the write access an earlier version gave to all users on HKLM\$R4 (error $R0)"
        ${EndIf}
        Exch $R4
      ${EndIf}
    ${EndIf}
  ${EndIf}
  System::Free $R7
  System::Call 'advapi32::RegCloseKey(p R9)'
  Pop $R9
FunctionEnd

Function CloseStore
  StrCpy $R9 "${STORE_KEY}"
  Call CloseStoreKey
  StrCpy $R9 "${TASKS_KEY}"
  Call CloseStoreKey
  StrCpy $R3 0
  ${Do}
    EnumRegKey $R4 HKLM "${TASKS_KEY}" $R3
    ${IfThen} $R4 == "" ${|} ${ExitDo} ${|}
    IntOp $R3 $R3 + 1
    Push $R3
    StrCpy $R9 "${TASKS_KEY}\$R4"
    Call CloseStoreKey
    Pop $R3
  ${Loop}
FunctionEnd

Function CloseFolder
  System::Call 'advapi32::GetFileSecurityW(w "$INSTDIR", i ${DACL_INFORMATION}, p 0, i 0, *i 0 R8) i .R0'
  ${IfThen} $R8 = 0 ${|} Return ${|}
  System::Alloc $R8
  Pop $R7
  System::Call 'advapi32::GetFileSecurityW(w "$INSTDIR", i ${DACL_INFORMATION}, p R7, i R8, *i R8) i .R0'
  ${If} $R0 <> 0
    System::Call 'advapi32::GetSecurityDescriptorDacl(p R7, *i .R5, *p .R1, *i .R6) i .R0'
    ${If} $R0 <> 0
    ${AndIf} $R1 P<> 0
      Push $R7
      StrCpy $R2 ${FILE_WRITE_RIGHTS}
      Call TakeAwayWriteGrants
      Pop $R7
      ${If} $R0 > 0
        System::Call 'advapi32::SetFileSecurityW(w "$INSTDIR", i ${DACL_INFORMATION}, p R7) i .R0 ?e'
        Pop $R5  ; the last error
        ${If} $R0 <> 0
          DetailPrint "Took away the change access an earlier version gave to all users on $INSTDIR"
        ${Else}
          DetailPrint "Could not take away the change access an earlier version gave to all users on $INSTDIR (error $R5)"
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${EndIf}
  System::Free $R7
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
  Call CloseFolder
  ; The machine store, created when missing; an earlier version's grants go.
  WriteRegStr HKLM "${TASKS_KEY}" "" ""
  DeleteRegValue HKLM "${TASKS_KEY}" ""
  Call CloseStore
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

; Not with the installer's administrator rights, or every task would run elevated: the
; running shell (Explorer) starts it, as the user who is logged on.
Function StartNow
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\Vantro.exe"'
FunctionEnd

; ---- Uninstaller ----

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Call un.CloseVantro
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep the Vantro task lists?$\r$\n$\r$\nYes keeps the tasks and settings for every user and your own in the registry for a later installation. No removes both." /SD IDYES IDYES keep
    DeleteRegKey HKLM "${STORE_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Halvern"
    DeleteRegKey HKCU "${STORE_KEY}"
    DeleteRegKey /ifempty HKCU "SOFTWARE\Halvern"
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
