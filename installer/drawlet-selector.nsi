# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer, built by scripts/package-windows.sh, which defines:
#   VERSION      the program's version, e.g. 1.0.0 (from debian/changelog)
#   EXE          the program to install (build/windows/drawlet-selector.exe)
#   LICENCE      the GPL-3.0-or-later text
#   OUTFILE      the installer to write
#   ICON         optional: the installer's own icon (NSIS's default otherwise)
#
# For one user by default, into %LOCALAPPDATA%\Programs, with no administrator prompt; for every
# user of the machine, into Program Files, when it runs elevated or is given /AllUsers
# (/CurrentUser forces the first). /S installs silently, /D=FOLDER chooses the folder (last on
# the command line, unquoted, as NSIS wants it). An installed version is replaced in place.

Unicode true
# The default stub is 32-bit; a 64-bit Windows runs it, but Wine without its 32-bit half exits 0
# having installed nothing, and the program itself is 64-bit anyway.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
# The files installed get the time of the install, not the time of the build machine's copy:
# with that, two builds of one commit are the same bytes.
SetDateSave off
CRCCheck on

!define NAME "Drawlet Selector"
!define PUBLISHER "The Drawlet Selector developers"
!define EXE_NAME "drawlet-selector.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DrawletSelector"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
!define WINDOW_TITLE "Drawlet Exclusion / Inclusion Selector"
# Windows refuses to start an elevation it is asked for without one (ERROR_ELEVATION_REQUIRED).
!define EXIT_NEEDS_ADMIN 740

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

# Windows wants four numbers here.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey ProductName "${NAME}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${NAME} ${VERSION} Setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "2026 ${PUBLISHER}, GPL-3.0-or-later"

Var AllUsers
Var ScopeText
Var UpgradeText

!ifdef ICON
    !define MUI_ICON "${ICON}"
    !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "Open ${NAME} now"

# Not NSIS's default, which talks of system files and rebooting: this one says for whom, and
# what happens to a version already there.
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${NAME} ${VERSION} $ScopeText.$\r$\n$\r$\n$UpgradeText\
Click Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_TEXT_TOP "${NAME} is free software under the GNU General Public Licence, version 3 or later."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You may use the program without accepting it; it sets the terms for copying, changing and passing it on. Click Next to go on."
!define MUI_LICENSEPAGE_BUTTON "&Next >"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English


# Whether this process holds an administrator's full rights: run as administrator under UAC,
# or an administrator's account with UAC off. Pushes 1 or 0.
!macro IS_ELEVATED UN
Function ${UN}IsElevated
    Push $0
    Push $1
    Push $2
    StrCpy $2 0
    System::Call 'kernel32::GetCurrentProcess() p .r0'
    # TOKEN_QUERY; TokenElevation
    System::Call 'advapi32::OpenProcessToken(p r0, i 8, *p .r0) i .r1'
    ${If} $1 <> 0
        System::Call 'advapi32::GetTokenInformation(p r0, i 20, *i .r2, i 4, *i .r1) i .r1'
        ${If} $1 = 0
        ${OrIf} $2 = 0
            StrCpy $2 0
        ${Else}
            StrCpy $2 1
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    Exch $2
    Exch
    Pop $1
    Exch
    Pop $0
FunctionEnd
!macroend
!insertmacro IS_ELEVATED ""
!insertmacro IS_ELEVATED "un."

# For every user or for this one: the registry hive, the Start menu and the default folder follow.
# PROGRAM is what to start again with the rights: the uninstaller runs from a copy of itself in
# the temporary folder, which knows the install folder only from its command line.
!macro CHOOSE_SCOPE UN PROGRAM
Function ${UN}ChooseScope
    ${GetParameters} $R0
    Call ${UN}IsElevated
    Pop $R2
    StrCpy $AllUsers $R2
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}

    ${If} $AllUsers = 1
    ${AndIf} $R2 = 0
        # Asked for every user without the rights: ask Windows for them, once.
        ClearErrors
        ${GetOptions} $R0 "/Elevated" $R1
        ${If} ${Errors}
        ${AndIfNot} ${Silent}
            ExecShell "runas" "${PROGRAM}" "$R0 /Elevated"
            ${IfNot} ${Errors}
                Quit
            ${EndIf}
        ${EndIf}
        ${IfNot} ${Silent}
            MessageBox MB_ICONSTOP "Installing or removing ${NAME} for every user of this computer needs an administrator's rights."
        ${EndIf}
        SetErrorLevel ${EXIT_NEEDS_ADMIN}
        Quit
    ${EndIf}

    ${If} $AllUsers = 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CHOOSE_SCOPE "" "$EXEPATH"
!insertmacro CHOOSE_SCOPE "un." "$INSTDIR\${UNINSTALLER}"

# A program that is open cannot be replaced or removed: it is asked to close, as its close box
# would. Nothing in it is ever saved, so a silent install or removal closes it unasked; with the
# pages, the user is asked to close it, or to leave.
!macro CLOSE_PROGRAM UN
Function ${UN}CloseProgram
    StrCpy $1 0
    ${Do}
        FindWindow $0 "" "${WINDOW_TITLE}"
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        ${IfNot} ${Silent}
        ${AndIf} $1 = 0
            MessageBox MB_OKCANCEL|MB_ICONINFORMATION "${NAME} is open. Click OK to close it and go on." \
                /SD IDOK IDOK +2
            Quit
        ${EndIf}
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        Sleep 200
        IntOp $1 $1 + 1
    ${LoopUntil} $1 > 50
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM ""
!insertmacro CLOSE_PROGRAM "un."

# The program's file stays locked for a moment after its window has gone.
!macro DELETE_PROGRAM
    StrCpy $1 0
    ${Do}
        ClearErrors
        Delete "$INSTDIR\${EXE_NAME}"
        ${IfNot} ${Errors}
            ${Break}
        ${EndIf}
        Sleep 200
        IntOp $1 $1 + 1
    ${LoopUntil} $1 > 25
!macroend

Function .onInit
    Call ChooseScope
    # Without /D, the folder of the version installed before, so that it is replaced in place.
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" InstallLocation
    ${EndIf}
    ${If} $INSTDIR == ""
        ${If} $AllUsers = 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
        ${EndIf}
    ${EndIf}

    ${If} $AllUsers = 1
        StrCpy $ScopeText "for every user of this computer"
    ${Else}
        StrCpy $ScopeText "for you alone; it needs no administrator's rights"
    ${EndIf}
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" DisplayVersion
    ${If} $0 != ""
        StrCpy $UpgradeText "It replaces version $0, which is installed now.$\r$\n$\r$\n"
    ${EndIf}
FunctionEnd

Section
    # An older version in another folder goes first: one program, one entry, nothing left over.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" InstallLocation
    ${If} $0 != ""
    ${AndIf} $0 != $INSTDIR
    ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
        ${If} $AllUsers = 1
            ExecWait '"$0\${UNINSTALLER}" /S /AllUsers _?=$0'
        ${Else}
            ExecWait '"$0\${UNINSTALLER}" /S /CurrentUser _?=$0'
        ${EndIf}
        Delete "$0\${UNINSTALLER}"
        RMDir "$0"
    ${EndIf}

    Call CloseProgram
    !insertmacro DELETE_PROGRAM
    SetOutPath "$INSTDIR"
    File "/oname=${EXE_NAME}" "${EXE}"
    File "/oname=LICENCE.txt" "${LICENCE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE_NAME}" "" "$INSTDIR\${EXE_NAME}" 0 \
        SW_SHOWNORMAL "" "Pick lottery numbers at random and exclude them from or include them in a base set"

    ${If} $AllUsers = 1
        StrCpy $1 "/AllUsers"
    ${Else}
        StrCpy $1 "/CurrentUser"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${EXE_NAME},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}" $1'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" $1 /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $2
SectionEnd

Function un.onInit
    Call un.ChooseScope
FunctionEnd

# Only what the installer wrote: a file of the user's own in the folder keeps the folder.
Section Uninstall
    Call un.CloseProgram
    !insertmacro DELETE_PROGRAM
    Delete "$INSTDIR\LICENCE.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
