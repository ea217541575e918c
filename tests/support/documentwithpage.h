#pragma once

#include "core/image/imagedocument.h"
#include "core/page/pagerows.h"

namespace testing_support {

/// An image document with the code view's page over it, as the program holds them.
struct DocumentWithPage {
    chaserom::ImageDocument document;
    chaserom::PageRows page{document};

    /// A whole-image transform over the bytes the page reaches, as the step editor makes one.
    [[nodiscard]] chaserom::FileFailure
    transformImage(const QString& label, const std::function<void(QByteArray&)>& transform) {
        return document.transform(label, page.imageLength().value_or(0), transform);
    }
};

} // namespace testing_support
