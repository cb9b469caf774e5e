// Any bytes as the settings file.
#include "model/settingsfile.h"

#include <cstdint>
#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto g = std::make_unique<greenfold::ProgramState>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    greenfold::readsettings(*g, in);
    (void)greenfold::settingsbytes(*g);
    return 0;
}
