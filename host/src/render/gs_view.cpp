// The graphics view of the model-space viewport, over the drawing's view.
#include "zrx/gs_view.h"

#include <map>
#include <memory>

#include "editor/view_state.h"
#include "zrx/db_database.h"

void ZcGsView::setView(const ZcGePoint3d& position, const ZcGePoint3d& target, const ZcGeVector3d& upVector,
                       double fieldWidth, double fieldHeight, Projection projection)
{
    m_position = position;
    m_target = target;
    m_up = upVector;
    m_fieldWidth = fieldWidth;
    m_fieldHeight = fieldHeight;
    m_projection = projection;
}

namespace {

constexpr int kModelViewport = 2;

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

void copyFromDrawing(ZcGsView* view)
{
    const zrxhost::ed::ViewState& state = zrxhost::ed::viewOf(working());
    double aspect = static_cast<double>(zrxhost::ed::kScreenWidth) / zrxhost::ed::kScreenHeight;
    view->setView(state.center + ZcGeVector3d::kZAxis, state.center, ZcGeVector3d::kYAxis, state.height * aspect,
                  state.height);
}

}  // namespace

ZcGsView* zcgsGetGsView(int viewportNumber, bool createIfNone)
{
    static std::map<int64_t, std::unique_ptr<ZcGsView>> views;
    ZcDbDatabase* db = working();
    if (viewportNumber != kModelViewport || db == nullptr) return nullptr;
    std::unique_ptr<ZcGsView>& view = views[zrxhost::ed::drawingKey(db)];
    if (!view) {
        if (!createIfNone) return nullptr;
        view = std::make_unique<ZcGsView>();
        copyFromDrawing(view.get());
    }
    return view.get();
}

bool zcgsSetViewParameters(int viewportNumber, const ZcGsView* view, bool, bool, bool)
{
    if (viewportNumber != kModelViewport || view == nullptr || working() == nullptr) return false;
    if (view->fieldHeight() <= 0.0 || view->fieldWidth() <= 0.0) return false;
    zrxhost::ed::ViewState& state = zrxhost::ed::viewOf(working());
    double aspect = static_cast<double>(zrxhost::ed::kScreenWidth) / zrxhost::ed::kScreenHeight;
    ZcGePoint3d t = view->target();
    state.center.set(t.x, t.y, 0.0);
    // The field is fitted to the screen's shape, as the viewport shows it.
    state.height = std::max(view->fieldHeight(), view->fieldWidth() / aspect);
    return true;
}

bool zcgsGetViewParameters(int viewportNumber, ZcGsView* view)
{
    if (viewportNumber != kModelViewport || view == nullptr || working() == nullptr) return false;
    copyFromDrawing(view);
    return true;
}
