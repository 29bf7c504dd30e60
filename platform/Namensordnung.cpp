#include "platform/Namensordnung.h"

bool NtfsVorher(TextSicht a, TextSicht b) {
    const Text ga = Gross(a), gb = Gross(b);
    return ga != gb ? ga < gb : a < b;
}
