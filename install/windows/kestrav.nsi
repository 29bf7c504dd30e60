; Installation für den angemeldeten Benutzer, ohne Administratorrechte: kestrav.ini liegt neben dem
; Programm und wird beim Beenden geschrieben, was unter "Program Files" nur ein Administrator darf.
; Aufruf: makensis -DQUELLE=<Verzeichnis der Programme> -DINI=<kestrav.ini> -DAUSGABE=<setup.exe>
;         -DKESTRAV [-DKESTRAV_STAPEL] [-DHILFE=<KestravHilfe.htm>] kestrav.nsi
Unicode true
; 64 Bit wie die Programme; ein 32-Bit-Installer bräuchte auch Wine für 32 Bit in den Tests.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "Kestrav"
Caption "Kestrav-Installation"
OutFile "${AUSGABE}"
InstallDir "$LOCALAPPDATA\Programs\Kestrav"
InstallDirRegKey HKCU "Software\Kestrav" "Installationsverzeichnis"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"

!define DEINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrav"
!define DATEITYP "Kestrav.RINEX"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Windows ordnet nur nach der Endung zu: .00o bis .99o, je Jahr eine.
!macro JedeEndung AKTION
    StrCpy $0 0
    ${AKTION}_schleife:
        IntFmt $1 "%02d" $0
        Call ${AKTION}
        IntOp $0 $0 + 1
        IntCmp $0 100 0 ${AKTION}_schleife
!macroend

Function Zuordnen
    WriteRegStr HKCU "Software\Classes\.$1o" "" "${DATEITYP}"
FunctionEnd

Function un.Zuordnen
    ; Nur Zuordnungen, die noch Kestrav gehören; ein anderes Programm behält seine.
    ReadRegStr $2 HKCU "Software\Classes\.$1o" ""
    StrCmp $2 "${DATEITYP}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.$1o"
FunctionEnd

Section "Kestrav"
    SetOutPath "$INSTDIR"
    File "${QUELLE}\kestrav.exe"
    !ifdef KESTRAV_STAPEL
        File "${QUELLE}\kestrav-stapel.exe"
    !endif
    !ifdef HILFE
        File "${HILFE}"
    !endif
    ; Die Einstellungen des Benutzers bleiben bei einer erneuten Installation erhalten.
    SetOverwrite off
    File "${INI}"
    SetOverwrite on

    WriteUninstaller "$INSTDIR\Deinstallieren.exe"
    CreateShortcut "$SMPROGRAMS\Kestrav.lnk" "$INSTDIR\kestrav.exe"

    WriteRegStr HKCU "Software\Kestrav" "Installationsverzeichnis" "$INSTDIR"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}" "" "RINEX-Beobachtungsdatei"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}\DefaultIcon" "" "$INSTDIR\kestrav.exe,0"
    WriteRegStr HKCU "Software\Classes\${DATEITYP}\shell\open\command" "" '"$INSTDIR\kestrav.exe" "%1"'
    !insertmacro JedeEndung Zuordnen
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKCU "${DEINSTALLATION}" "DisplayName" "Kestrav"
    WriteRegStr HKCU "${DEINSTALLATION}" "DisplayIcon" "$INSTDIR\kestrav.exe"
    WriteRegStr HKCU "${DEINSTALLATION}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${DEINSTALLATION}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKCU "${DEINSTALLATION}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKCU "${DEINSTALLATION}" "NoModify" 1
    WriteRegDWORD HKCU "${DEINSTALLATION}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\kestrav.exe"
    Delete "$INSTDIR\kestrav-stapel.exe"
    Delete "$INSTDIR\KestravHilfe.htm"
    Delete "$INSTDIR\Deinstallieren.exe"
    ; kestrav.ini bleibt; das Verzeichnis verschwindet nur, wenn es leer ist.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kestrav.lnk"

    !insertmacro JedeEndung un.Zuordnen
    DeleteRegKey HKCU "Software\Classes\${DATEITYP}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKCU "${DEINSTALLATION}"
    DeleteRegKey HKCU "Software\Kestrav"
SectionEnd
