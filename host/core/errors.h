// The host's error sink.
//
// A failing host call sets ctx->error_code and reports exactly one clear
// Polish message here.  Until a screen exists the message goes to standard
// error; the screen layer installs its own sink that shows it in a box.
// Every message is also appended to the host log (ErrLogMessage's file in the
// common directory) when the common directory is known.  Nothing here throws.
#pragma once

#include <functional>
#include <string>

#include "host/api/context.h"

namespace skolvarin::host {

using ErrorSink = std::function<void(HostContext*, int code, const std::string& message)>;

// Installs a sink; an empty function restores the standard-error sink.
// Returns the previous sink so a caller can restore it.
ErrorSink set_error_sink(ErrorSink sink);

// Sets ctx->error_code = code (when ctx is not null) and sends the message.
void report_error(HostContext* ctx, int code, const std::string& message);

// Appends one line, stamped with ctx->today, to the host log
// <common_dir>/skolvarin.log.  Quietly does nothing without a common directory.
void append_to_log(HostContext* ctx, const std::string& line);

}  // namespace skolvarin::host
