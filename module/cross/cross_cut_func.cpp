#include "cross/cross_cut_func.h"

#include "core/highlight.h"
#include "core/model_space_append.h"
#include "cross/cross_cut.h"
#include "cross/trim_session.h"
#include "settings/layer_states.h"
#include "stiffener/stiff_plate_line_find.h"

namespace {

// The layers of both members opened up for the cut and put back as they were.
class CMemberLayersOpen {
public:
    explicit CMemberLayersOpen(const ZcDbObjectIdArray& lineIds)
    {
        TrevanCom_GetLayerInfo(lineIds, m_layers, m_frozen, m_locked, m_off);
        for (int i = 0; i < m_layers.GetSize(); ++i) TrevanCom_SetLayerInfo(m_layers[i], false, false, m_off[i] != FALSE);
    }
    ~CMemberLayersOpen() { TrevanCom_SetLayerInfo(m_layers, m_frozen, m_locked, m_off); }
    CMemberLayersOpen(const CMemberLayersOpen&) = delete;
    CMemberLayersOpen& operator=(const CMemberLayersOpen&) = delete;

private:
    CStringArray m_layers;
    ZcArray<BOOL> m_frozen, m_locked, m_off;
};

void drawJointLine(const ZcGePoint3d& p1, const ZcGePoint3d& p2)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    auto* pLine = new ZcDbLine(p1, p2);
    pLine->setDatabaseDefaults(pDb);
    ZcDbObjectId id;
    if (pLine->setLayer("STIFF") != Zcad::eOk || !TrevanCom_AppendToModelSpace(pLine, id, pDb)) {
        delete pLine;
        zcutPrintf("\n継手線の作図に失敗しました.");
    }
}

void cut(const ZcDbObjectIdArray& a, const ZcDbObjectIdArray& b)
{
    ZcGePoint3d p1, p2;
    bool joint = false;
    if (a.length() >= 2 && b.length() >= 2)
        joint = TrevanCom_CrossCutWebLines(a[0], a[1], b[0], b[1], p1, p2);
    else
        zcutPrintf("\nウェブモールドラインが削除されています.");
    if (a.length() >= 4 && b.length() >= 4) {
        ZcGePoint3d q1, q2;
        TrevanCom_CrossCutWebLines(a[2], a[3], b[2], b[3], q1, q2);
    }
    if (joint) drawJointLine(p1, p2);
}

}  // namespace

int TrevanComARX_StiffCrossObjtrimFunc()
{
    if (!TrevanCom_ActualPlateShown()) return RTNORM;
    ZcDbObjectIdArray a, b;
    if (!TrevanComARX_SelectToStiffLineArray("\n通し部材Aを選択：", a)) return RTNORM;
    TrevanComARX_HighLightObj(a, 1);
    if (!TrevanComARX_SelectToStiffLineArray("\n通し部材Bを選択：", b)) {
        TrevanComARX_HighLightObj(a, 0);
        return RTNORM;
    }
    TrevanComARX_HighLightObj(b, 1);
    {
        ZcDbObjectIdArray both = a;
        both.append(b);
        CMemberLayersOpen layers(both);
        cut(a, b);
    }
    TrevanComARX_HighLightObj(a, 0);
    TrevanComARX_HighLightObj(b, 0);
    return RTNORM;
}
