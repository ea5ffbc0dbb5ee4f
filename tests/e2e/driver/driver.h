#pragma once
// The end-to-end driver: start the program, act as a user, read back.
#include "driver/app_process.h"
#include "driver/console_run.h"
#include "driver/file_dialog.h"
#include "driver/help_viewer.h"
#include "driver/main_window_suite.h"
#include "driver/message_boxes.h"
#include "driver/remote_buffer.h"
#include "driver/screenshot.h"
#include "driver/user_actions.h"
#include "driver/wait.h"
