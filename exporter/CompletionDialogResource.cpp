#include "exporter/CompletionDialogResource.h"

namespace completion_dialog {

namespace {

constexpr ui::COLORREF kFace = ui::RGB(212, 208, 200);

}  // namespace

const ui::Bitmap& Step1Picture() {
    // A clipboard holding the command: it is already copied.
    static const ui::Bitmap picture(
        kStep1BitmapId,
        {{'.', kFace}, {'b', ui::RGB(150, 100, 50)}, {'c', ui::RGB(120, 120, 120)}, {'p', ui::RGB(255, 255, 255)},
         {'t', ui::RGB(40, 40, 40)}},
        {
            "..........cccc..........",
            ".....bbbbbc..cbbbbb.....",
            ".....bbbbcccccccbbbb....",
            ".....bppppppppppppbb....",
            ".....bpttttttttpppbb....",
            ".....bppppppppppppbb....",
            ".....bptttttttttppbb....",
            ".....bppppppppppppbb....",
            ".....bpttttttpppppbb....",
            ".....bppppppppppppbb....",
            ".....bbbbbbbbbbbbbbb....",
            "........................",
        });
    return picture;
}

const ui::Bitmap& Step2Picture() {
    // The level editor's console line with the command pasted in.
    static const ui::Bitmap picture(
        kStep2BitmapId,
        {{'.', kFace}, {'d', ui::RGB(64, 64, 64)}, {'k', ui::RGB(0, 0, 0)}, {'g', ui::RGB(0, 200, 0)},
         {'w', ui::RGB(255, 255, 255)}},
        {
            "........................",
            "........................",
            "dddddddddddddddddddddddd",
            "dkkkkkkkkkkkkkkkkkkkkkkd",
            "dkgkkkkkkkkkkkkkkkkkkkkd",
            "dkkgkwwwkwkwkwwwkwwkkwkd",
            "dkgkkwwkkkwkkwwkkwkkkwkd",
            "dkkkkwwwkwkwkwwwkwwkkwkd",
            "dkkkkkkkkkkkkkkkkkkkkkkd",
            "dddddddddddddddddddddddd",
            "........................",
            "........................",
        });
    return picture;
}

const ui::DialogTemplate& Template() {
    // The message comes first: readers of the dialog take its first text.
    static const ui::DialogTemplate dialog{
        kTemplateId,
        "corvatrix - Export complete!",
        243,
        97,
        {
            ui::Label("The EXEC console command has been copied to the clipboard...", 7, 7, 229, 8),
            ui::EditText(kCommand, 7, 18, 229, 12, ui::ES_AUTOHSCROLL | ui::ES_READONLY),
            ui::Label("Step 1:", 7, 36, 50, 8),
            ui::Label("Step 2:", 125, 36, 50, 8),
            ui::BitmapControl(Step1Picture(), 7, 46, 111, 26),
            ui::BitmapControl(Step2Picture(), 125, 46, 111, 26),
            ui::DefPushButton(kOk, "&Ok", 94, 77, 55, 14),
        }};
    return dialog;
}

}  // namespace completion_dialog
