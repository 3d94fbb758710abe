#include "app/GraphWheelZoom.h"

#include "graph/GraphController.h"
#include "graph/MouseWheel.h"
#include "platform/CHookMouseWheel.h"

#include <QAbstractItemView>

namespace spurline {

CHookMouseWheel* AttachGraphWheelZoom(QWidget& window, GraphController& graph) {
    auto* hook = new CHookMouseWheel(&window);
    hook->setObjectName(QStringLiteral("hookWheel"));
    hook->setHwnd(&window);
    // One notch away from the user zooms in, any other turn out. The horizontal wheel is not
    // used. A list passes on the turns it cannot scroll (at either end, or when it is short); they
    // stay with the list, so that a turn over a list never zooms the graph.
    QObject::connect(hook, &CHookMouseWheel::MouseWheel, &window,
                     [&window, &graph](QWidget* under, MouseWheelEvent& notice) {
                         for (QWidget* w = under; w != nullptr && w != &window;
                              w = w->parentWidget()) {
                             if (qobject_cast<QAbstractItemView*>(w) != nullptr) {
                                 return;
                             }
                         }
                         graph.MouseWheel(notice.Delta);
                     });
    return hook;
}

} // namespace spurline
