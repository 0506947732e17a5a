#pragma once

#include "framework/Application.h"

// The application object: the framework's own, holding the shared menu bar.
class App : public framework::Application {};
