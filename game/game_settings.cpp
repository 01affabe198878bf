#include "game_settings.h"

namespace kwintor {

constinit Settings GameSettings;

}  // namespace kwintor
