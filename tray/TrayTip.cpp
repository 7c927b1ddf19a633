// Tooltip text of the tray icon.
#include "tray/TrayTip.h"

#include "platform/Text.h"

namespace ventro {

std::string TrayTipText(std::wstring_view hint, UINT codePage)
{
    std::string tip;
    size_t i = 0;
    while (i < hint.size()) {
        // One character at a time, a surrogate pair kept together.
        size_t length = (IS_HIGH_SURROGATE(hint[i]) && i + 1 < hint.size() && IS_LOW_SURROGATE(hint[i + 1])) ? 2 : 1;
        std::string bytes = WideToAnsi(hint.substr(i, length), codePage);
        if (tip.size() + bytes.size() > TrayTipMaxBytes)
            break;
        tip += bytes;
        i += length;
    }
    return tip;
}

} // namespace ventro
