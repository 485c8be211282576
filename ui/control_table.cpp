#include "control_table.h"

namespace wrennet {
namespace {

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr const char* kGoToDetails = "Click to go to details in Source Code.";
constexpr const char* kSelectValue = "Select value from list.";
constexpr const char* kParameterDetails = "Details of Parameter selection.";
constexpr const char* kMultipleSelection = "Hold Ctl for multiple selection.";

}  // namespace

const std::vector<ControlDefinition>& MainWindowControlTable() {
    using K = ControlKind;
    static const std::vector<ControlDefinition> table = {
        {"1060", K::PushButton, "#&Inc", {335, 50, 10, 10}, false, false},
        {"1006",
         K::PushButton,
         "&Unlist",
         {375, 15, 29, 15},
         true,
         true,
         "Click to remove library from library list."},
        {"1007",
         K::PushButton,
         "&Add",
         {425, 15, 30, 15},
         true,
         true,
         "Browse to add another library."},
        {"1005", K::LibraryCombo, "", {7, 31, 458, 139}},
        {"functionLabel", K::Label, "Choose &Function", {10, 55, 65, 8}},
        {"1000", K::FunctionCombo, "", {7, 65, 458, 105}},
        {"sourceLabel", K::Label, "&Source Code", {10, 80, 42, 8}},
        {"1014", K::SourcePane, "", {7, 90, 458, 115}},
        {"3",
         K::PushButton,
         "&Copy",
         {430, 215, 30, 15},
         true,
         true,
         "Places function text in clipboard."},
        {"1", K::PushButton, "E&xit", {425, 260, 30, 20}},
        {"helpGroup", K::GroupBox, "Help", {7, 255, 84, 30}},
        {"1004", K::PushButton, "F1=&Help", {10, 265, 30, 15}, true, true, "Click to open help."},
        {"1003",
         K::PushButton,
         "Setu&p",
         {50, 265, 30, 15},
         true,
         true,
         "Click to open Setup window."},
        {"libraryGroup", K::GroupBox, "Select &Library", {5, 5, 460, 45}},
        {"1033", K::Label, ",", {15, 15, 8, 10}, false, true, nullptr, kCentred},
        {"1034", K::Label, ",", {31, 15, 8, 10}, false, true, nullptr, kCentred},
        {"1035", K::Label, ",", {51, 15, 8, 10}, false, true, nullptr, kCentred},
        {"1036", K::Label, ")", {65, 15, 8, 10}, false, true, nullptr, kCentred},
        {"openParenthesis", K::Label, "(", {75, 234, 8, 8}, true, true, nullptr, kCentred},
        {"1180", K::PushButton, "&Wrennet", {305, 50, 25, 10}, false, false},
        {"2", K::PushButton, "&Cancel", {350, 50, 10, 10}, false, false},
        {"1045", K::ClickLabel, "Parmn1", {115, 220, 15, 8}, true, true, kGoToDetails},
        {"1046", K::ClickLabel, "Parmn2", {205, 220, 15, 8}, true, true, kGoToDetails},
        {"1047", K::ClickLabel, "Parmn3", {305, 220, 15, 8}, true, true, kGoToDetails},
        {"1048", K::ClickLabel, "Parmn4", {400, 220, 15, 8}, true, true, kGoToDetails},
        {"1061",
         K::PushButton,
         "Sho&w",
         {325, 15, 30, 15},
         true,
         true,
         "Click to show header file in Source Code window."},
        {"1056", K::GroupBox, "Choose &Parameters", {7, 208, 458, 45}},
        {"1051", K::Label, "Type", {10, 226, 65, 8}, true, true, nullptr, kCentred},
        {"1050", K::ClickLabel, "Function", {15, 233, 60, 10}, true, true, nullptr, kRight},
        {"1037", K::ValueCombo, "", {75, 15, 16, 130}, false, true, kSelectValue},
        {"1041", K::ValueEdit, "", {82, 233, 10, 12}, false, true, kParameterDetails},
        {"1054", K::ChoiceList, "", {0, 0, 10, 15}, false, true, kMultipleSelection},
        {"1038", K::ValueCombo, "", {95, 15, 16, 130}, false, true, kSelectValue},
        {"1042", K::ValueEdit, "", {184, 232, 10, 12}, false, true, kParameterDetails},
        {"1053", K::ChoiceList, "", {255, 15, 10, 15}, false, true, kMultipleSelection},
        {"1039", K::ValueCombo, "", {115, 15, 16, 130}, false, true, kSelectValue},
        {"1043", K::ValueEdit, "", {283, 229, 10, 12}, false, true, kParameterDetails},
        {"1049", K::ChoiceList, "", {275, 15, 10, 15}, false, true, kMultipleSelection},
        {"1040", K::ValueCombo, "", {135, 15, 16, 130}, false, true, kSelectValue},
        {"1044", K::ValueEdit, "", {453, 233, 10, 12}, false, true, kParameterDetails},
        {"1052", K::ChoiceList, "", {462, 275, 10, 15}, false, true, kMultipleSelection},
        {"4",
         K::PushButton,
         "&Helpers",
         {220, 265, 30, 15},
         false,
         true,
         "Click to launch helper application."},
    };
    return table;
}

}  // namespace wrennet
