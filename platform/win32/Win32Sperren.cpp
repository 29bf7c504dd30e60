#include "platform/win32/Win32Sperren.h"

#include "platform/Laufzeitfehler.h"
#include "platform/win32/Breit.h"
#include "platform/win32/Win32Fehlernummern.h"

#include <windows.h>

namespace {

class Win32Laufsperre : public Laufsperre {
public:
    explicit Win32Laufsperre(HANDLE kennung) : kennung_(kennung) {}
    ~Win32Laufsperre() override { CloseHandle(kennung_); }

private:
    HANDLE kennung_;
};

} // namespace

std::unique_ptr<Laufsperre> Win32Sperren::Nehmen(const Text& verzeichnis) {
    Text pfad = verzeichnis;
    if (!pfad.empty() && pfad.back() != u'\\' && pfad.back() != u'/' && pfad.back() != u':')
        pfad += u'\\';
    pfad += u".kestrav-lauf";
    SECURITY_ATTRIBUTES vererbbar{sizeof vererbbar, nullptr, TRUE};
    HANDLE kennung =
        CreateFileW(Breit(pfad).c_str(), GENERIC_READ | GENERIC_WRITE, 0, &vererbbar, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (kennung == INVALID_HANDLE_VALUE) {
        DWORD fehler = GetLastError();
        // Gehalten (Mitbenutzung verweigert) oder gerade freigegeben und noch nicht gelöscht.
        if (fehler == ERROR_SHARING_VIOLATION || fehler == ERROR_LOCK_VIOLATION)
            return nullptr;
        Win32FehlerWerfen(fehler, pfad);
    }
    return std::make_unique<Win32Laufsperre>(kennung);
}
