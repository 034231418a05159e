#include "startup/second_start.h"

#include "forms/message_title.h"
#include "platform/message_boxes.h"
#include "platform/running_copy.h"

namespace tessary {

std::optional<int> EndIfAlreadyRunning(RunningCopy& copy, MessageBoxes& messages,
                                       const std::vector<std::string>& files) {
    if (copy.Claim()) return std::nullopt;
    if (copy.AskToShowItself(files)) return 0;
    messages.ShowOk(kAlreadyRunningText, kApplicationTitle);
    return 1;
}

}  // namespace tessary
