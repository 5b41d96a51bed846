#pragma once

// The games' words a user reads (row captions, "Done") are marked here for the program's
// translators, who find them under the context "Games"; the program looks each one up as it
// shows it. The games stay free of any toolkit: the mark is Qt's own no-op macro when Qt has
// not already defined it, so that Qt's tools still find every marked text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
