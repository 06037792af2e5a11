#include "host/params/ParamMap.h"

#include "host/params/ParamControls.h"
#include "host/scene/Interface.h"
#include "host/ui/Window.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

class ParamMap final : public IParamMap {
public:
    ParamMap(std::vector<ParamUIDesc> descriptors, IParamArray* values, Interface& ip)
        : descriptors_(std::move(descriptors)), values_(values), ip_(ip) {}
    ~ParamMap() override {
        ip_.DeleteRollupPage(page_);
        if (userProc_) userProc_->DeleteThis();
    }
    ParamMap(const ParamMap&) = delete;
    ParamMap& operator=(const ParamMap&) = delete;

    bool AddPage(const ui::DialogTemplate& dialogTemplate, const std::string& title, unsigned flags) {
        return ip_.AddRollupPage(dialogTemplate, PageProc, title, reinterpret_cast<ui::LPARAM>(this), flags) !=
               nullptr;
    }

    void Invalidate() override {
        if (!ui::IsWindow(page_) || !values_) return;
        for (const ParamUIDesc& desc : descriptors_) param_controls::Show(desc, page_, *values_, ip_.GetTime());
    }

    void SetParamBlock(IParamArray* values) override {
        values_ = values;
        Invalidate();
    }

    IParamArray* GetParamBlock() const override { return values_; }

    void SetUserDlgProc(ParamMapUserDlgProc* proc) override {
        if (userProc_ && userProc_ != proc) userProc_->DeleteThis();
        userProc_ = proc;
        if (userProc_ && ui::IsWindow(page_)) userProc_->DlgProc(ip_.GetTime(), this, page_, ui::WM_INITDIALOG, 0, 0);
    }

    ParamMapUserDlgProc* GetUserDlgProc() const override { return userProc_; }

    ui::HWND GetHWnd() const override { return ui::IsWindow(page_) ? page_ : nullptr; }

private:
    // The page's procedure: the map rides in the page's user data.
    static ui::INT_PTR PageProc(ui::HWND page, unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
        if (message == ui::WM_INITDIALOG) ui::SetWindowUserData(page, lParam);
        auto* map = reinterpret_cast<ParamMap*>(ui::GetWindowUserData(page));
        return map ? map->PageMessage(page, message, wParam, lParam) : 0;
    }

    ui::INT_PTR PageMessage(ui::HWND page, unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
        bool handled = false;
        if (message == ui::WM_INITDIALOG) {
            page_ = page;
            for (const ParamUIDesc& desc : descriptors_) param_controls::SetUp(desc, page);
            Invalidate();
            handled = true;
        }
        for (const ParamUIDesc& desc : descriptors_)
            handled = param_controls::TakeChange(desc, page, values_, ip_.GetTime(), message, wParam) || handled;
        if (userProc_) handled = userProc_->DlgProc(ip_.GetTime(), this, page, message, wParam, lParam) != 0 || handled;
        if (message == ui::WM_DESTROY) page_ = nullptr;
        return handled;
    }

    std::vector<ParamUIDesc> descriptors_;
    IParamArray* values_;
    Interface& ip_;
    ui::HWND page_ = nullptr;
    ParamMapUserDlgProc* userProc_ = nullptr;
};

}  // namespace

IParamMap* CreateParamMap(const ParamUIDesc* descriptors, int count, IParamArray* values, Interface* ip,
                          const ui::DialogTemplate& dialogTemplate, const std::string& title, unsigned flags) {
    if (!ip) return nullptr;
    std::vector<ParamUIDesc> table;
    if (descriptors && count > 0) table.assign(descriptors, descriptors + count);
    auto map = std::make_unique<ParamMap>(std::move(table), values, *ip);
    return map->AddPage(dialogTemplate, title, flags) ? map.release() : nullptr;
}

void DestroyParamMap(IParamMap* map) { delete map; }
