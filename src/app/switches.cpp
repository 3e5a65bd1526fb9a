#include "app/switches.h"

#include <algorithm>
#include <cstddef>

#include "app/program.h"

namespace nuv {

namespace {

// Only ASCII letters change: other 8-bit bytes may be part of a multibyte name.
std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

int FindSwitch(Program& program, const std::string& switchText, SwitchValueBuffer* valueBuffer) {
    for (const std::string& argument : program.host.args) {
        const std::string upper = UpperCase(argument);
        if (upper == switchText) return 0;
        if (upper.rfind(switchText, 0) != 0) continue;
        const std::size_t length =
            std::min(upper.size() - switchText.size(), SwitchValueBuffer{}.size() - 1);
        if (valueBuffer) std::copy_n(upper.begin() + static_cast<std::ptrdiff_t>(switchText.size()),
                                     length, valueBuffer->begin());
        return static_cast<int>(length);
    }
    return -1;
}

void ApplySwitches(Program& program) {
    Settings& settings = program.settings;
    if (FindSwitch(program, "/S", nullptr) != -1) {
        settings.CloseOnPass = 1;
        settings.CloseOnFail = 1;
    }
    if (settings.DockingBurn == 1) {
        settings.CloseOnPass = 0;
        settings.CloseOnFail = 0;
    }
    if (FindSwitch(program, "/VF", nullptr) != -1) settings.SwitchMode = 1;
    if (FindSwitch(program, "/ERASE", nullptr) != -1) settings.SwitchMode = 2;
}

}  // namespace nuv
