#include "document/DialogStartFolder.h"

#include <gtest/gtest.h>
#include <set>

namespace spurline {
namespace {

TEST(DialogStartFolder, TheFirstWritableChoiceElseTheLast) {
    const std::vector<std::string> choices{"/usr/bin", "/home/ann/Documents", "/home/ann"};
    struct Case {
        std::set<std::string> writable;
        std::string expected;
    };
    const Case cases[] = {
        {{"/usr/bin", "/home/ann/Documents", "/home/ann"}, "/usr/bin"}, // a build folder
        {{"/home/ann/Documents", "/home/ann"}, "/home/ann/Documents"},  // installed
        {{"/home/ann"}, "/home/ann"},                                   // no documents folder
        {{}, "/home/ann"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(
            DialogStartFolder(
                choices, [&](const std::string& folder) { return c.writable.count(folder) == 1; }),
            c.expected);
    }
    // An unknown documents folder is passed over without asking about "".
    EXPECT_EQ(DialogStartFolder({"/usr/bin", "", "/root"},
                                [](const std::string& folder) {
                                    EXPECT_FALSE(folder.empty());
                                    return folder == "/root";
                                }),
              "/root");
}

} // namespace
} // namespace spurline
