#pragma once
// The current document as the package sees it through the tools interface: a module with one
// source editor, which has one view. The reader hands out the text with CR LF line breaks; the
// view's edit positions are the editor's own columns (from 1) and lines (from 1).

#include <korvex50/Toolsapi.h>

#include <memory>

#include "EditorWidget.h"

namespace geanyhost {

// A module over widget; the module's objects share the widget and keep it alive.
vcl::TIntfRef<Toolsapi::IOTAModule> MakeEditorModule(std::shared_ptr<TEditorWidget> widget);

}  // namespace geanyhost
