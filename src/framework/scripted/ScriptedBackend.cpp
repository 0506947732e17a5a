#include "framework/scripted/ScriptedBackend.h"
