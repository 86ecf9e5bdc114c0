#include "profiles/ProfileListOutcome.h"

namespace ilmo::profiles {

std::string_view notice_key(ProfileOutcome outcome) {
    switch (outcome) {
        case ProfileOutcome::LimitReached:
            return "message_text_30";
        case ProfileOutcome::NameTaken:
            return "message_text_5";
        case ProfileOutcome::NameBlank:
            return "message_text_25";
        case ProfileOutcome::WriteFailed:
            return kWriteFailedNotice;
        case ProfileOutcome::NoFolder:
            return "message_text_no_profile_folder";
        default:
            return {};
    }
}

}  // namespace ilmo::profiles
