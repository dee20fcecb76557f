// The names of a drawing's text styles.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

using TextStyles = HostTest;

TEST_F(TextStyles, EveryStyleButErasedOnesIsListedInTableOrder)
{
    {
        ZcDbObjectPointer<ZcDbTextStyleTable> table(db->textStyleTableId(), ZcDb::kForWrite);
        for (const char* name : {"MS-GOTHIC", "OLD"}) {
            auto* style = new ZcDbTextStyleTableRecord;
            style->setName(name);
            ASSERT_EQ(table->add(style), Zcad::eOk);
            if (std::string(name) == "OLD") style->erase();
            style->close();
        }
    }
    CStringArray names;
    names.Add("kept");
    TrevanCom_GetTextStyleArray(names, db.get());
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0], "kept");
    EXPECT_EQ(names[1].CompareNoCase("Standard"), 0);
    EXPECT_EQ(names[2], "MS-GOTHIC");
}

}  // namespace
