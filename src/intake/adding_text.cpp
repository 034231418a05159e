#include "intake/adding_text.h"

#include <algorithm>

namespace tessary {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A line that starts with the label and lists the names while they fit:
// "With a picture: \"A.gmx\", \"B.gmx\" and 5 more".
std::string NameLine(const std::string& label, const std::vector<std::string>& names) {
    std::string text = label;
    std::size_t shown = 0;
    for (; shown < names.size(); ++shown) {
        const std::string next = (shown == 0 ? "" : ", ") + Quoted(names[shown]);
        if (shown > 0 && text.size() + next.size() > kNameLineChars) break;
        text += next;
    }
    if (shown < names.size()) text += " and " + std::to_string(names.size() - shown) + " more";
    return text;
}

// One line for each of the first items, and a count of the rest.
template <typename Item, typename Line>
std::string ItemLines(const std::vector<Item>& items, Line line) {
    std::string text;
    const std::size_t shown = std::min(items.size(), kSkippedShown);
    for (std::size_t i = 0; i < shown; ++i) text += "\n" + line(items[i]);
    if (items.size() > shown) text += "\nand " + std::to_string(items.size() - shown) + " more";
    return text;
}

// A reason on one line.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string SkippedLines(const std::vector<SkippedItem>& skipped) {
    if (skipped.empty()) return {};
    return "\n\nSkipped:" + ItemLines(skipped, [](const SkippedItem& item) {
               return Quoted(item.shownAs) + ": " + OneLine(item.reason);
           });
}

}  // namespace

std::string AddingPlaceName(bool storedMaps) {
    return storedMaps ? "\"Stored Maps\"" : "the game's maps folder";
}

std::string NothingToAddText(const std::vector<SkippedItem>& skipped) {
    return "No map was added: what was dropped holds no map (.gmx) to add." + SkippedLines(skipped);
}

std::string AddingQuestionText(const AddingQuestion& question) {
    const std::size_t maps = question.withPicture.size() + question.withoutPicture.size();
    std::string text =
        "Add " + Counted(maps, "map", "maps") + " to " + AddingPlaceName(question.storedMaps) + "?\n";
    if (!question.withPicture.empty()) text += NameLine("\nWith a picture: ", question.withPicture);
    if (!question.withoutPicture.empty()) text += NameLine("\nWithout a picture: ", question.withoutPicture);
    if (!question.replacing.empty()) {
        text += NameLine("\nReplacing maps already there: ", question.replacing) +
                "\n(a replaced map is set aside in the trash or in \"Replaced Maps\")";
    }
    if (!question.inOtherFolder.empty()) {
        text += NameLine("\nAlso in " + AddingPlaceName(!question.storedMaps) + ": ", question.inOtherFolder);
    }
    return text + SkippedLines(question.skipped) + "\n\nNothing is written until you press OK.";
}

std::string AddingReportText(const AddingReport& report) {
    std::string text;
    if (report.added.empty()) {
        text = "No map was added.";
    } else {
        text = Counted(report.added.size(), "map was", "maps were") + " added to " +
               AddingPlaceName(report.storedMaps) + ":" + NameLine("\n", report.added);
    }
    if (!report.notAdded.empty()) {
        text += "\n\n" + Counted(report.notAdded.size(), "map was", "maps were") +
                " not added:" + ItemLines(report.notAdded, [](const NotAdded& item) {
                    return Quoted(item.map) + ": " + OneLine(item.reason);
                });
        text += report.leftForNextStart
                    ? "\n\nNothing was lost, but some files could not be put back yet:\n"
                      "Tessary will put them back at its next start."
                    : "\n\nNothing was lost: the dropped files are as they were, and no map was half-added.";
    }
    return text;
}

}  // namespace tessary
