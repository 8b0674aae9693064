#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "DesktopProgramQuery.h"

namespace {

class DesktopDocumentOpener : public DocumentOpener {
public:
    // Asked first: xdg-open would find no program without saying so.
    bool Open(const QString& file) override {
        return DesktopProgramFor(file) != DesktopProgram::kNone &&
               QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
};

}  // namespace

std::unique_ptr<DocumentOpener> MakeDesktopDocumentOpener() {
    return std::make_unique<DesktopDocumentOpener>();
}
