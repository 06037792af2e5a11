#pragma once
// The export plug-in class: the host lists it for "T3D" files and calls
// DoExport with the chosen path.

#include "host/scene/SceneExport.h"

class ExportOptions;

class T3dExporter : public SceneExport {
public:
    // The options outlive every export; the plug-in owns them.
    explicit T3dExporter(ExportOptions& options) : options_(options) {}

    Class_ID ClassID() const override;
    int ExtCount() override { return 1; }
    const char* Ext(int n) override;
    const char* LongDesc() override;
    const char* ShortDesc() override;
    const char* AuthorName() override;
    const char* CopyrightMessage() override;
    const char* OtherMessage1() override { return ""; }
    const char* OtherMessage2() override { return ""; }
    unsigned int Version() override { return 200; }
    void ShowAbout(ui::HWND) override {}
    int DoExport(const char* name, ExpInterface* ei, Interface* ip, bool suppressPrompts,
                 unsigned long options) override;
    bool SupportsOptions(int, unsigned long) override { return true; }

private:
    ExportOptions& options_;
};
