// Message boxes and the folder browser on the command line.
#include <gtest/gtest.h>

#include "win_fixture.h"
#include "zrx.h"

namespace {

class Boxes : public wintest::DriveTest {};

TEST_F(Boxes, ABoxIsWrittenAndGetsItsDefaultButtonWhenTheInputDoesNotAnswerIt)
{
    input.add("12,5");
    EXPECT_EQ(AfxMessageBox("\n船番が選択されていません．\n", MB_ICONSTOP), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "上書きしますか?", "確認", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(transcript, "[MessageBox] 船番が選択されていません．\n[MessageBox] 上書きしますか?\n");
    // The line belongs to whatever asks next.
    EXPECT_EQ(input.left(), 1u);
}

TEST_F(Boxes, TheInputAnswersWithAButtonOfTheBox)
{
    input.add("yes");
    input.add("Retry");
    input.add("cancel");
    EXPECT_EQ(MessageBoxA(nullptr, "続けますか?", nullptr, MB_YESNOCANCEL), IDYES);
    // Retry is no button of this box: it is left, and the box gets its default.
    EXPECT_EQ(MessageBoxA(nullptr, "保存しますか?", nullptr, MB_OKCANCEL), IDOK);
    EXPECT_EQ(input.left(), 2u);
    EXPECT_EQ(MessageBoxA(nullptr, "再試行?", nullptr, MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "中止?", nullptr, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(transcript, "[MessageBox] 続けますか? yes\n[MessageBox] 保存しますか?\n[MessageBox] 再試行? Retry\n[MessageBox] 中止? cancel\n");
}

TEST_F(Boxes, EscapeCancelsWhereTheBoxCanBeCancelled)
{
    input.add("*cancel*");
    EXPECT_EQ(MessageBoxA(nullptr, "はい/いいえ", nullptr, MB_YESNO), IDYES);
    EXPECT_EQ(input.left(), 1u);
    EXPECT_EQ(MessageBoxA(nullptr, "OKのみ", nullptr, MB_OK), IDOK);
    EXPECT_EQ(input.left(), 0u);
    input.add("*cancel*");
    EXPECT_EQ(MessageBoxA(nullptr, "OK/キャンセル", nullptr, MB_OKCANCEL), IDCANCEL);
}

TEST_F(Boxes, AnAlertIsABoxWithOk)
{
    EXPECT_EQ(zcedAlert("iniファイルの取得に失敗しました"), RTNORM);
    EXPECT_EQ(transcript, "[MessageBox] iniファイルの取得に失敗しました\n");
}

class FolderBrowser : public wintest::DriveTest {
protected:
    static int selectInitial(HWND browser, UINT message, LPARAM, LPARAM data)
    {
        if (message == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
        if (message == BFFM_SELCHANGED) ++changes;
        return 0;
    }
    static inline int changes = 0;

    // The module's folder choice: allocator, browser with a callback that preselects, path, free.
    int browse(const char* initial, CString& folder)
    {
        LPMALLOC malloc = nullptr;
        if (FAILED(SHGetMalloc(&malloc))) return 1;
        BROWSEINFOA info{};
        char name[MAX_PATH];
        info.pszDisplayName = name;
        info.lpszTitle = "変換元DWGフォルダを選択";
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        info.lpfn = &selectInitial;
        info.lParam = reinterpret_cast<LPARAM>(initial);
        LPITEMIDLIST item = SHBrowseForFolderA(&info);
        if (item == nullptr) return 0;
        char path[MAX_PATH];
        if (SHGetPathFromIDListA(item, path)) folder = path;
        malloc->Free(item);
        malloc->Release();
        return 1;
    }
};

TEST_F(FolderBrowser, AFolderPathFromTheInputIsChosen)
{
    std::filesystem::create_directories(root / "Ship/DWG");
    input.add("c:\\ship\\dwg");
    CString folder;
    EXPECT_EQ(browse("", folder), 1);
    EXPECT_EQ(folder, "C:\\ship\\dwg");
    EXPECT_EQ(transcript, "[FolderBrowser] 変換元DWGフォルダを選択: c:\\ship\\dwg\n");
}

TEST_F(FolderBrowser, EnterTakesTheFolderTheCallbackSelected)
{
    std::filesystem::create_directories(root / "DXF");
    changes = 0;
    input.add("");
    CString folder;
    EXPECT_EQ(browse("C:\\DXF", folder), 1);
    EXPECT_EQ(folder, "C:\\DXF");
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderBrowser, NoFolderIsAskedAgainAndEscapeCancels)
{
    put("plan.dwg", "");
    input.add("C:\\plan.dwg");
    input.add("C:\\missing");
    input.add("*cancel*");
    CString folder("unchanged");
    EXPECT_EQ(browse("", folder), 0);
    EXPECT_EQ(folder, "unchanged");
    EXPECT_NE(transcript.find("not a folder: C:\\plan.dwg"), std::string::npos);
    EXPECT_NE(transcript.find("not a folder: C:\\missing"), std::string::npos);
    // With nothing left to read the browser is cancelled.
    EXPECT_EQ(browse("", folder), 0);
}

}  // namespace
