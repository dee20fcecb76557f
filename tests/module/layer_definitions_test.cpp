// Layer definitions from the system folder's TrevanLayer.dat: which row answers a kind, how
// its fields read, and the LISP form that prefers the drawing's own layer.
#include <tuple>

#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

const char* const kLayerFile = "TREVAN/SYSTEM/STD/TrevanLayer.dat";

// found, caption, layer, colour, line type, line weight
using Definition = std::tuple<bool, std::string, std::string, int, std::string, int>;
const Definition kNone{false, "", "0", 7, "CONTINUOUS", -3};

class LayerDefinitions : public LispCallTest {
protected:
    Definition read(const char* kind, int weight = 99)
    {
        CString caption = "?", layer = "?", linetype = "?";
        int color = -1;
        bool found = TrevanComARX_GetLayerInfo(kind, caption, layer, color, linetype, weight);
        return {found, caption.GetString(), layer.GetString(), color, linetype.GetString(), weight};
    }
    void rows(const std::string& text) { install.put(kLayerFile, text); }
    SampleInstall install;
};

TEST_F(LayerDefinitions, TheSampleDefinesEveryKindAndTheStiffenerTexts)
{
    CStringArray codes, captions;
    TrevanComARX_GetTypeArray(codes, captions);
    ASSERT_EQ(codes.GetSize(), 25);
    EXPECT_EQ(codes[0] + captions[15] + codes[24], "SH継手DEFPOINTS");
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
        Definition d = read(codes[i]);
        EXPECT_TRUE(std::get<0>(d)) << codes[i];
        EXPECT_EQ(std::get<1>(d), captions[i].GetString());
    }
    EXPECT_EQ(read("stifftext"), (Definition{true, "スティフナ寸法文字", "STIFFTEXT", 3, "CONTINUOUS", -3}));
    EXPECT_EQ(read("SH"), (Definition{true, "外板ライン", "SHELL", 1, "CONTINUOUS", 100}));
}

TEST_F(LayerDefinitions, TheFirstSevenFieldRowOfTheKindIsRead)
{
    rows("STIFFTEXT,six,S-SIX,1,HIDDEN,Default\r\n"
         "STIFFTEXT,eight,S-EIGHT,1,HIDDEN,Default,0,0\r\n"
         "STIFFTEXT,\"スティフナ文字\",S-TEXT,3,HIDDEN,Default,0\r\n"
         "STIFFTEXT,second,S-SECOND,4,CONTINUOUS,Default,0\r\n"
         "W2,,S-W2,5x,CENTER,2,0\r\nW1,,S-W1,5,CENTER,1.5,0\r\n");
    EXPECT_EQ(read("STIFFTEXT"), (Definition{true, "スティフナ文字", "S-TEXT", 3, "HIDDEN", -3}));
    // Line weights are whole millimetres in the file and hundredths in the drawing.
    EXPECT_EQ(read("W2"), (Definition{true, "", "S-W2", 5, "CENTER", 200}));
    EXPECT_EQ(read("w1"), (Definition{true, "", "S-W1", 5, "CENTER", 100}));
    EXPECT_EQ(read("SH"), kNone);
}

TEST_F(LayerDefinitions, MissingFolderOrFileGiveTheDefault)
{
    std::filesystem::remove(install.at(kLayerFile));
    transcript();
    EXPECT_EQ(read("SH"), kNone);
    EXPECT_EQ(trimmed(transcript()), "");
    install.forgetFolders();
    // Without a system folder the line weight is left as it was.
    EXPECT_EQ(read("SH", 99), (Definition{false, "", "0", 7, "CONTINUOUS", 99}));
    EXPECT_EQ(trimmed(transcript()), "C:\\WINDOWS\\TrevanAcad.iniファイルがないか、iniファイル内に[DIR]グループがないか"
                                     "TrevanAcadSysDirキーがありません。");
}

TEST_F(LayerDefinitions, TheLispFormPrefersTheDrawingsOwnLayer)
{
    rows("STIFFTEXT,スティフナ文字,S-TEXT,3,HIDDEN,2,0\nBKT,ブラケット,BKT\nBKT,ブラケット,BKT,3,CONTINUOUS,Default,0\n");
    define("layerinfo", TrevanComARX_GetLayerInfo);
    EXPECT_EQ(trimmed(call("(layerinfo \"stifftext\")")), "(\"S-TEXT\" \"スティフナ文字\" 3 \"HIDDEN\" 200)");
    {
        ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForWrite);
        for (const char* name : {"S-TEXT", "BKT"}) {
            auto* layer = new ZcDbLayerTableRecord;
            layer->setName(name);
            ZcCmColor color;
            color.setColorIndex(6);
            layer->setColor(color);
            layer->setLinetypeObjectId(db->continuousLinetype());
            layer->setLineWeight(ZcDb::kLnWt035);
            ASSERT_EQ(layers->add(layer), Zcad::eOk);
            layer->close();
        }
    }
    EXPECT_EQ(trimmed(call("(layerinfo \"STIFFTEXT\")")), "(\"S-TEXT\" \"スティフナ文字\" 6 \"Continuous\" 35)");
    // A short row of the kind answers too once its layer is in the drawing.
    EXPECT_EQ(trimmed(call("(layerinfo \"BKT\")")), "(\"BKT\" \"ブラケット\" 6 \"Continuous\" 35)");
    EXPECT_EQ(trimmed(call("(layerinfo \"SH\")")), "(\"0\" \"\" 7 \"CONTINUOUS\" -3)");
    EXPECT_EQ(trimmed(call("(layerinfo 1)")), "引数エラー\nnil");
    install.forgetFolders();
    EXPECT_TRUE(trimmed(call("(layerinfo \"SH\")")).ends_with("キーがありません。\nnil"));
}

}  // namespace
