#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopDocumentOpener : public DocumentOpener {
public:
    bool Open(const QString& file) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }
};

}  // namespace

std::unique_ptr<DocumentOpener> MakeDesktopDocumentOpener() {
    return std::make_unique<DesktopDocumentOpener>();
}
