#pragma once

namespace chaserom {

/// Where a control stands on its window, in twips from the client area's top-left corner.
struct ControlPlace {
    int left;
    int top;
    int width;
    int height;
};

} // namespace chaserom
