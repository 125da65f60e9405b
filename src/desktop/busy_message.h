#pragma once

class QWidget;

namespace quilsk {

// What a command that must wait for the running search says instead.
void ShowBusyMessage(QWidget* parent);

}  // namespace quilsk
