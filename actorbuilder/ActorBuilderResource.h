#pragma once
// Dialog 101, the Actor Builder's window: its control ids and its template.

#include "host/ui/DialogTemplate.h"

namespace actorbuilder {

constexpr int kDialogId = 101;

constexpr int kExit = 1000;
constexpr int kAsePath = 1001;
constexpr int kBrowseAse = 1002;
constexpr int kPropertyList = 1003;
constexpr int kClassName = 1004;
constexpr int kMoveUp = 1005;
constexpr int kMoveDown = 1006;
constexpr int kDelete = 1007;
constexpr int kNewType = 1008;
constexpr int kNewName = 1009;
constexpr int kNewT3dName = 1010;
constexpr int kUseGeometry = 1011;
constexpr int kNewDefault = 1012;
constexpr int kRenderable = 1013;
constexpr int kAdd = 1014;
constexpr int kWireframe = 1015;
constexpr int kSave = 1016;
constexpr int kNewEnumValues = 1017;
constexpr int kLoad = 1018;
constexpr int kSetDefault = 1019;

// The property list's columns, in order.
enum Column { kNameColumn, kTypeColumn, kT3dNameColumn, kDefaultColumn, kEnumValuesColumn, kColumnCount };

const ui::DialogTemplate& Template();

}  // namespace actorbuilder
