#include "settings/layer_kinds.h"

namespace {

struct LayerKind {
    const char* code;
    const char* caption;
};

// The order is the order the layer dialogs list them in.
constexpr LayerKind kKinds[] = {
    {"SH", "外板ライン"},
    {"DE", "デッキライン"},
    {"LS", "ロンジバルクヘッド"},
    {"CENTER", "センターライン"},
    {"FRAMESP", "フレームスペース"},
    {"LONGSP", "ロンジスペース"},
    {"LONG", "ロンジ"},
    {"SLOT", "スロット"},
    {"COLL", "カラープレート"},
    {"TR", "トランス"},
    {"FACE", "フェースプレート"},
    {"RING", "リングプレート"},
    {"DPLATE", "ダブリングプレート"},
    {"HOLE", "ホール"},
    {"SCALLOP", "スカラップ"},
    {"JOINT", "継手"},
    {"STIFF", "スティフナ"},
    {"BKT", "ブラケット"},
    {"DIM", "寸法"},
    {"TEXT", "文字"},
    {"TEXTUL", "文字アンダーライン"},
    {"MARK", "マーク"},
    {"HOJO", "補助線"},
    {"WAKU", "図面枠"},
    {"DEFPOINTS", "表示枠"},
};

}  // namespace

void TrevanComARX_GetTypeArray(CStringArray& codes, CStringArray& captions)
{
    for (const LayerKind& kind : kKinds) {
        codes.Add(kind.code);
        captions.Add(kind.caption);
    }
}
