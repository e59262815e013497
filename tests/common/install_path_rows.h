#pragma once
// What the install path dialog lists and shows as examples, as the user reads
// it; the Windows tests and the end-to-end tests check the same.
#include <string>
#include <vector>

namespace expected_rows {

using Rows = std::vector<std::string>;

inline const Rows kCorelDrawVersions{"CorelDraw 11",        "CorelDraw 12",           "CorelDraw X3",
                                     "CorelDraw X4",        "CorelDraw X5",           "CorelDraw X6(32bit)",
                                     "CorelDraw X6(64bit)", "CorelDraw X7/X8(32bit)", "CorelDraw X7/X8(64bit)"};
inline const Rows kIllustratorVersions{"CS5",            "CS6(32bit)",     "CS6(64bit)",     "CC(32bit)",
                                       "CC(64bit)",      "CC 2014(32bit)", "CC 2014(64bit)", "CC 2015(32bit)",
                                       "CC 2015(64bit)", "CC 2017(32bit)", "CC 2017(64bit)"};
inline constexpr char kCorelDrawExample[] = "eg:  C:\\Program Files\\Corel\\CorelDRAW Graphics Suite X6";
inline constexpr char kIllustratorExample[] = "eg:  C:\\Program Files\\Adobe Illustrator CS6";

}  // namespace expected_rows
