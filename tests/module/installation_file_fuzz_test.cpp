// The installation files the module reads, broken in every way the fuzzer knows: the folder
// file and the command defaults (through the host's profile reader), the layer definitions,
// the label rows, the stiffener line types, and the ship list and frame lines of the shell
// development. Each read gives a clean answer, a value or
// the not-found answer, never a crash, a hang or text running over into the next line.
#include <string_view>

#include "TrevanCom2002.h"
#include "file_mutator.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

constexpr int kMutants = 400;

// Lines end at LF; a CR on its own is a byte of its line, as the readers take it.
bool oneLine(const CString& text)
{
    const std::string_view t(text.GetString(), static_cast<size_t>(text.GetLength()));
    return t.find('\n') == std::string_view::npos;
}

class InstallationFileFuzz : public EditorTest {
protected:
    // Every mutant of the file in turn, with the check run on each.
    template <class Check>
    void fuzz(const std::string& file, Check check)
    {
        const std::string original = install.bytesOf(file);
        FileMutator mutants(original);
        for (int i = 0; i < kMutants && !HasFatalFailure(); ++i) {
            install.put(file, mutants.next());
            SCOPED_TRACE(file + " mutant " + std::to_string(i));
            check();
        }
        install.put(file, original);
    }
    SampleInstall install;
};

TEST_F(InstallationFileFuzz, IniValuesAreFoundWithinTheirLengthOrNotFound)
{
    fuzz("TREVAN/SYSTEM/INI/TrevanAcadCmdDef.ini", [] {
        CString value;
        if (TrevanComARX_GetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", value)) {
            ASSERT_LE(value.GetLength(), 255);
            ASSERT_TRUE(oneLine(value)) << "[" << value.GetString() << "]";
        } else {
            ASSERT_EQ(value.CompareNoCase(TREVAN_INI_NOT_FOUND), 0);
        }
    });
    fuzz("WINDOWS/TrevanAcad.ini", [] {
        CString folder;
        if (TrevanComARX_GetSysDirFunc(folder)) {
            ASSERT_TRUE(oneLine(folder));
        }
        CString data;
        if (TrevanComARX_GetDataDirFunc(data)) {
            ASSERT_LE(data.GetLength(), 255);
        }
    });
}

TEST_F(InstallationFileFuzz, LayerDefinitionsGiveARowOrTheDefault)
{
    fuzz("TREVAN/SYSTEM/STD/TrevanLayer.dat", [] {
        CString caption, layer, linetype;
        int colour = 0, weight = 0;
        TrevanComARX_GetLayerInfo("STIFFTEXT", caption, layer, colour, linetype, weight);
        ASSERT_TRUE(oneLine(caption) && oneLine(layer) && oneLine(linetype));
    });
}

TEST_F(InstallationFileFuzz, LabelRowsAndLineTypesGiveTextOfOneLine)
{
    fuzz("TREVAN/DATA/MST/TREVANMATE.DAT", [] {
        for (const char* type : {"FB", "LONG_A", "T", "BT", "I", "C", "X"}) {
            const CString label = TrevanCom_MakeStiffText(type, 150.0, 9.0, 90.0, 12.5, 6.0, 0.0);
            ASSERT_TRUE(oneLine(label)) << type << " [" << label.GetString() << "]";
        }
    });
    fuzz("TREVAN/DATA/MST/STIFFSIZE.INI", [] {
        CString front, back;
        TrevanCom_GetStiffOU(front, back);
        ASSERT_TRUE(oneLine(front) && oneLine(back));
        ASSERT_LE(back.GetLength(), 255);
    });
}

TEST_F(InstallationFileFuzz, ShipListAndFrameLinesGiveNamesOfOneLine)
{
    fuzz("WINDOWS/Struct.ini", [] {
        CString dataPath;
        if (TrevanCom_GetStructDataPath(dataPath)) {
            ASSERT_TRUE(oneLine(dataPath)) << "[" << dataPath.GetString() << "]";
        }
    });
    fuzz("TREVAN/DATA/Lines/S1234/fline.dat", [] {
        // A file the text reader cannot take at all is not opened: no names, a clean false.
        CStringArray names;
        if (!TrevanCom_ReadFrameNames("C:\\TREVAN\\DATA\\Lines\\S1234\\fline.dat", names)) {
            ASSERT_EQ(names.GetSize(), 0);
        }
        for (int i = 0; i < names.GetSize(); ++i) {
            ASSERT_TRUE(oneLine(names[i])) << "[" << names[i].GetString() << "]";
        }
    });
}

}  // namespace
