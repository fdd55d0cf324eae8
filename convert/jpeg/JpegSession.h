#pragma once

// A libjpeg decompression driven from plain C. libjpeg reports fatal errors by calling back into
// us, and the only safe way out of its C frames is longjmp; these functions set the jump point
// themselves and own nothing that needs a destructor, so the C++ side only ever sees a return
// code and the message left in the session.

#include <setjmp.h>
#include <stddef.h>
#include <stdio.h>
/* jpeglib.h needs size_t and FILE declared before it. */
#include <jpeglib.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { JPEG_SESSION_MESSAGE_SIZE = JMSG_LENGTH_MAX + 64 };

typedef struct JpegSessionOptions {
    int quantize; /* 0: true colour */
    int colors;
    int twoPass;
    J_DITHER_MODE dither;
    J_DCT_METHOD dct;
    int fancyUpsampling;
    int grayscale;
    long maxMemory;
    int maxScans;
} JpegSessionOptions;

typedef struct JpegSession {
    struct jpeg_decompress_struct info;
    struct jpeg_error_mgr errors;
    struct jpeg_progress_mgr progress;
    jmp_buf jump;
    int created;
    int maxScans;
    char message[JPEG_SESSION_MESSAGE_SIZE];
} JpegSession;

/* Each returns 0 on success, or -1 with session->message set; after a failure only
   jpegSessionDestroy may be called. */
int jpegSessionStartFile(JpegSession* session, FILE* file, const JpegSessionOptions* options);
int jpegSessionStartMemory(
    JpegSession* session, const unsigned char* data, size_t size, const JpegSessionOptions* options);
int jpegSessionReadRows(JpegSession* session, JSAMPARRAY rows, JDIMENSION count, JDIMENSION* read);
int jpegSessionFinish(JpegSession* session);
void jpegSessionDestroy(JpegSession* session);

#ifdef __cplusplus
}
#endif
