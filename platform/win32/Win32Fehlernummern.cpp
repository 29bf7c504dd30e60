#include "platform/win32/Win32Fehlernummern.h"

#include "platform/Laufzeitfehler.h"

#include <windows.h>

int FehlernummerAusWin32(unsigned long fehler) {
    switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
        return 53;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
        return 76;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return 70;
    case ERROR_WRITE_PROTECT:
    case ERROR_BUSY:
        return 75;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return 61;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return 58;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NO_UNICODE_TRANSLATION:
        return 52;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return 57;
    case ERROR_HANDLE_EOF:
        return 62;
    case ERROR_NOT_SAME_DEVICE:
        return 74;
    case ERROR_TOO_MANY_OPEN_FILES:
        return 67;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return 7;
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
        return 68;
    default:
        return 75;
    }
}

void Win32FehlerWerfen(unsigned long fehler, TextSicht pfad) {
    throw Laufzeitfehler(FehlernummerAusWin32(fehler),
                         NachUtf8(pfad) + ": Win32-Fehler " + std::to_string(fehler));
}

void Win32FehlerWerfen(TextSicht pfad) {
    Win32FehlerWerfen(GetLastError(), pfad);
}
