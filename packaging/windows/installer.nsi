; The Windows installer: both programs into Program Files, a Start-menu shortcut for the
; window, the .trk file type (open in the window, "Convert to version 1.05", thumbnails), and an
; uninstaller registered with the system. A 64-bit installer, since the programs are 64-bit.
; Built by the target package-windows-installer, which passes VERSION, VERSION_QUAD (four
; numbers), WINDOW_EXE, TRKCONV_EXE, CONVERT_EXE, THUMBNAILS_DLL, THUMBNAIL_CLSID, the library's
; LIBRARY_DLL, LIBRARY_IMPORT, LIBRARY_HEADER and LIBRARY_VERSION_HEADER, GUIDE and OUTFILE with -D.
; Silent use: setup.exe /S [/PATH] [/D=folder] and uninstall.exe /S; /PATH puts trkconv on the
; system's PATH, as the "Add trkconv to PATH" box does.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; The files' build times stay out of the installer, so that two builds of one commit give the
; same installer; the installed files carry the time of their install.
SetDateSave off

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"
!include "WordFunc.nsh"
!include "x64.nsh"

!define APP_NAME "Tarmaxion Converter"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TarmaxionConverter"
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"
!define GUIDE_SHORTCUT "$SMPROGRAMS\${APP_NAME} Guide.lnk"
; The file type. .trk may belong to another program already: its default value (the program
; that opens it) and its thumbnail handler are written only when empty or ours, and removed only
; while still ours, so another program's association survives both the install and the
; uninstall. Our ProgID, the verb and the handler's class are keys of our own.
!define CLASSES "Software\Classes"
!define EXTENSION "${CLASSES}\.trk"
!define PROGID "TarmaxionConverter.Track"
!define THUMBNAIL_KEY "${EXTENSION}\ShellEx\{e357fccd-a995-4576-b01f-234630154e96}"
!define THUMBNAIL_CLASS "${CLASSES}\CLSID\${THUMBNAIL_CLSID}"
; The verb applies to every .trk file, whichever program opens them.
!define VERB_PARENT "${CLASSES}\SystemFileAssociations\.trk"
!define VERB_KEY "${VERB_PARENT}\shell\TarmaxionConverter.ConvertTo105"
; The system's PATH, and the value that records that this installer added the folder to it, so
; that the uninstaller takes off only what was put on.
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
!define ADDED_TO_PATH "AddedToPath"
; Explorer reads file types once; this tells it that they changed (SHCNE_ASSOCCHANGED).
!define REFRESH_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP_NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP_NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Tarmaxion Converter developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Tarmaxion Converter developers"

!define MUI_ICON "${WINDOW_ICON}"
!define MUI_UNICON "${WINDOW_ICON}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The uninstall entry and the shortcut are the machine's, in its 64-bit registry view.
Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Tarmaxion Converter" SectionPrograms
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; An earlier version shipped the developer README here.
  Delete "$INSTDIR\README.md"
  File "/oname=tarmaxion-converter.exe" "${WINDOW_EXE}"
  File "/oname=trkconv.exe" "${TRKCONV_EXE}"
  File "/oname=tarmaxion-convert.exe" "${CONVERT_EXE}"
  File "/oname=tarmaxion-thumbnails.dll" "${THUMBNAILS_DLL}"
  File "/oname=Guide.txt" "${GUIDE}"
  ; The C library beside the programs, as in the zip; what building against it takes in sdk.
  File "/oname=tarmaxion-track.dll" "${LIBRARY_DLL}"
  SetOutPath "$INSTDIR\sdk\include\tarmaxion"
  File "/oname=track.h" "${LIBRARY_HEADER}"
  File "/oname=track-version.h" "${LIBRARY_VERSION_HEADER}"
  SetOutPath "$INSTDIR\sdk\lib"
  File "/oname=libtarmaxion-track.dll.a" "${LIBRARY_IMPORT}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\tarmaxion-converter.exe"
  CreateShortcut "${GUIDE_SHORTCUT}" "$INSTDIR\Guide.txt"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarmaxion Converter developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarmaxion-converter.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Tarmaxion track"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\tarmaxion-converter.exe,0"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\tarmaxion-converter.exe" "%1"'
  ReadRegStr $0 HKLM "${EXTENSION}" ""
  ${If} $0 == ""
  ${OrIf} $0 == "${PROGID}"
    WriteRegStr HKLM "${EXTENSION}" "" "${PROGID}"
  ${EndIf}
  ; "Open with" offers the window even where another program owns .trk.
  WriteRegStr HKLM "${EXTENSION}\OpenWithProgids" "${PROGID}" ""

  WriteRegStr HKLM "${VERB_KEY}" "" "Convert to version 1.05"
  WriteRegStr HKLM "${VERB_KEY}\command" "" '"$INSTDIR\tarmaxion-convert.exe" "%1"'

  ; Explorer runs the handler in its isolated surrogate process: DisableProcessIsolation stays unset.
  WriteRegStr HKLM "${THUMBNAIL_CLASS}" "" "Tarmaxion track thumbnails"
  WriteRegStr HKLM "${THUMBNAIL_CLASS}\InprocServer32" "" "$INSTDIR\tarmaxion-thumbnails.dll"
  WriteRegStr HKLM "${THUMBNAIL_CLASS}\InprocServer32" "ThreadingModel" "Apartment"
  ReadRegStr $0 HKLM "${THUMBNAIL_KEY}" ""
  ${If} $0 == ""
  ${OrIf} $0 == "${THUMBNAIL_CLSID}"
    WriteRegStr HKLM "${THUMBNAIL_KEY}" "" "${THUMBNAIL_CLSID}"
  ${EndIf}
  System::Call '${REFRESH_ASSOCIATIONS}'
SectionEnd

; trkconv in any console: the folder goes at the end of the system's PATH, once.
Section /o "Add trkconv to PATH" SectionPath
  ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
  ${WordFind} "$0" ";" "E/$INSTDIR" $1
  ${If} ${Errors}
    ${If} $0 == ""
      WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$INSTDIR"
    ${Else}
      WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$0;$INSTDIR"
    ${EndIf}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${ADDED_TO_PATH}" 1
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
  ${EndIf}
SectionEnd

LangString DESC_PROGRAMS ${LANG_ENGLISH} "The window, trkconv, the .trk file type with its thumbnails and the convert command."
LangString DESC_PATH ${LANG_ENGLISH} "Lets you type trkconv in any console window."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionPrograms} $(DESC_PROGRAMS)
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionPath} $(DESC_PATH)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; As the uninstaller, in the 64-bit registry view; /PATH on the command line ticks the PATH box,
; for a silent install.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PATH" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionPath}
  ${EndIf}
FunctionEnd

; Removes exactly what the installer wrote; the folder goes only when nothing else is left in it.
Section "Uninstall"
  ; The folder comes off the PATH only if this installer put it there.
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${ADDED_TO_PATH}"
  ${If} $0 == 1
    ReadRegStr $1 HKLM "${ENVIRONMENT_KEY}" "Path"
    ${If} $1 == "$INSTDIR"
      StrCpy $1 ""
    ${Else}
      ${WordReplace} "$1" ";$INSTDIR" "" "+" $1
    ${EndIf}
    WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$1"
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
  ${EndIf}
  Delete "${SHORTCUT}"
  Delete "${GUIDE_SHORTCUT}"
  Delete "$INSTDIR\tarmaxion-converter.exe"
  Delete "$INSTDIR\trkconv.exe"
  Delete "$INSTDIR\tarmaxion-convert.exe"
  ; A file view still showing thumbnails keeps the handler loaded: it goes at the next start.
  Delete /REBOOTOK "$INSTDIR\tarmaxion-thumbnails.dll"
  Delete "$INSTDIR\Guide.txt"
  Delete "$INSTDIR\tarmaxion-track.dll"
  Delete "$INSTDIR\sdk\include\tarmaxion\track.h"
  Delete "$INSTDIR\sdk\include\tarmaxion\track-version.h"
  Delete "$INSTDIR\sdk\lib\libtarmaxion-track.dll.a"
  RMDir "$INSTDIR\sdk\include\tarmaxion"
  RMDir "$INSTDIR\sdk\include"
  RMDir "$INSTDIR\sdk\lib"
  RMDir "$INSTDIR\sdk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ReadRegStr $0 HKLM "${EXTENSION}" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKLM "${EXTENSION}" ""
  ${EndIf}
  DeleteRegValue HKLM "${EXTENSION}\OpenWithProgids" "${PROGID}"
  ReadRegStr $0 HKLM "${THUMBNAIL_KEY}" ""
  ${If} $0 == "${THUMBNAIL_CLSID}"
    DeleteRegKey HKLM "${THUMBNAIL_KEY}"
  ${EndIf}
  ; Keys that held only ours go; /ifempty keeps any key with another value or subkey in it.
  DeleteRegKey /ifempty HKLM "${EXTENSION}\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "${EXTENSION}\ShellEx"
  DeleteRegKey /ifempty HKLM "${EXTENSION}"
  DeleteRegKey HKLM "${CLASSES}\${PROGID}"
  DeleteRegKey HKLM "${THUMBNAIL_CLASS}"
  DeleteRegKey HKLM "${VERB_KEY}"
  DeleteRegKey /ifempty HKLM "${VERB_PARENT}\shell"
  DeleteRegKey /ifempty HKLM "${VERB_PARENT}"
  System::Call '${REFRESH_ASSOCIATIONS}'
SectionEnd
