#pragma once
// The pictures of the Qt controls, from the resources under icons/.

#include <QIcon>

#include "FileCtrlCustom.h"

namespace FileCtrl {

QIcon Picture(TPicture picture);

}  // namespace FileCtrl
