#include "SimIdentity.h"

#include "../Concat.h"
#include "../MessageQuote.h"

SimIdentityResult ParseSimIdentity(std::string_view text) {
    SimIdentityResult result;
    if (text.empty()) {
        result.error = "empty identity window; expected up to 8 characters such as \"OSC13_20\"";
        return result;
    }
    if (text.size() > kSimWindowLength) {
        result.error = Concat({"identity window ", QuoteForMessage(text), " is longer than 8 characters"});
        return result;
    }
    for (const char c : text) {
        if (c < ' ' || c > '~') {
            result.error = "identity window holds a character that is not printable ASCII";
            return result;
        }
    }
    result.window = std::string(text);
    return result;
}

std::string SimIdentityString(std::string_view window) {
    std::string padded(window.substr(0, kSimWindowLength));
    padded.resize(kSimWindowLength, ' ');
    return Concat({"USBSTOR#DISK&VEN_KRV&PROD_OSCILLOSCOPE&REV_1.00#", padded,
                   "&0#{53F56307-B6BF-11D0-94F2-00A0C91EFB8B}"});
}
