#include "ui/main/StartupRules.h"

namespace quav {

std::wstring DisclaimerText() { return Say(TextId::Disclaimer); }

std::wstring RightsMessageText() { return Say(TextId::RightsMessage); }

}  // namespace quav
