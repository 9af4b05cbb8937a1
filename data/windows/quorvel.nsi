; The Windows installer: per user, without administrator rights. makensis is given
; VERSION, STAGE (the programs' folder as scripts/windows-installer.sh filled it),
; FILE_LIST (an .nsh deleting each of its files), DATABASE (the shipped database with
; its help file), ICON and OUTFILE.
; A 64-bit installer for the 64-bit programs (it also runs under a wine64 without 32-bit support).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvel"
InstallDirRegKey HKCU "Software\Pellmarsh\Quorvel" "InstallDir"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "Arabic"

Section "Quorvel"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Quorvel"
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel.lnk" "$INSTDIR\Quorvel.exe" "" "$INSTDIR\quorvel.ico"
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel Help.lnk" "$INSTDIR\Quorvel Help.chm"

  WriteRegStr HKCU "Software\Pellmarsh\Quorvel" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Pellmarsh"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; The database goes into Public Documents (the common documents folder, writable by
  ; every user) only when its folder does not exist yet: the user's catalogs are never
  ; overwritten. A missing help file is added to an existing one.
  SetShellVarContext all
  StrCpy $0 "$DOCUMENTS\Pellmarsh\Quorvel\Database"
  SetShellVarContext current
  IfFileExists "$0\*.*" database_exists
    SetOutPath "$0"
    File /r "${DATABASE}\*.*"
    Goto database_done
  database_exists:
    IfFileExists "$0\Quorvel Help.chm" database_done
    SetOutPath "$0"
    File "${DATABASE}\Quorvel Help.chm"
  database_done:
  ; The projects folder, where the Open and Save dialogs start.
  CreateDirectory "$DOCUMENTS\Pellmarsh\Quorvel\Projects"
  SetOutPath "$INSTDIR"
SectionEnd

; Removes the programs and what the installer made for them; the database in Public
; Documents and the projects are the user's and stay.
Section "Uninstall"
  SetShellVarContext current
  ; File by file, so that nothing else in the folder goes.
  !include "${FILE_LIST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quorvel\Quorvel.lnk"
  Delete "$SMPROGRAMS\Quorvel\Quorvel Help.lnk"
  RMDir "$SMPROGRAMS\Quorvel"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The rest of the key holds the user's settings.
  DeleteRegValue HKCU "Software\Pellmarsh\Quorvel" "InstallDir"
SectionEnd
