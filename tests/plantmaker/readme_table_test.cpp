#include "plantmaker/readme_table.h"

#include <gtest/gtest.h>

namespace vork::plantmaker {
namespace {

Identity Named(const std::string& key) {
    Identity id;
    id.galleryKey = key;
    id.folder = "f " + key;
    id.file = key + ".smp";
    id.title = {"T" + key, "E" + key};
    id.summary = "S";
    return id;
}

TEST(ReadmeTable, RowsFollowTheGalleryOrderWithTheirThumbnails) {
    std::vector<Identity> ids{Named("sim10"), Named("sim3b"), Named("sim2"), Named("sim3a"),
                              Named("sim1")};
    std::vector<const Identity*> list;
    for (const Identity& id : ids)
        list.push_back(&id);
    std::string table = ReadmeTable(list);
    size_t last = 0;
    for (const char* key : {"sim1.png", "sim2.png", "sim3a.png", "sim3b.png", "sim10.png"}) {
        size_t at = table.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_NE(table.find("[sim2.smp](<examples/f sim2/sim2.smp>)"), std::string::npos);
}

TEST(ReadmeTable, ReplacesOnlyWhatStandsBetweenItsMarkers) {
    std::string table = ReadmeTable({});
    std::string readme = "# Title\n\n" + table + "\n\nAfter.\n";
    std::string grown = readme;
    Identity one = Named("sim7");
    std::string fresh = ReadmeTable({&one});
    ASSERT_TRUE(ReplaceReadmeTable(grown, fresh));
    EXPECT_EQ(grown, "# Title\n\n" + fresh + "\n\nAfter.\n");
    std::string without = "# Title\n";
    EXPECT_FALSE(ReplaceReadmeTable(without, fresh));
    EXPECT_EQ(without, "# Title\n");
}

}  // namespace
}  // namespace vork::plantmaker
