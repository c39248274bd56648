#pragma once

class SessionSettings;
class TMainForm;
class Tdmod;

// Connects the main window's commands to the windows and actions that work.
void connectMenuCommands(TMainForm& mainForm, Tdmod& data, SessionSettings& session);
