#include "platform/qt/qt_services.h"

namespace platform {

Services QtServices::services(RegistrySource& registry) {
    return {store,    messages, clipboard, random, programEnd,
            launcher, effects,  registry,  log,    screen};
}

}  // namespace platform
