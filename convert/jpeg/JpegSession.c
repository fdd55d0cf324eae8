#include "convert/jpeg/JpegSession.h"

#include <jerror.h>
#include <string.h>

static JpegSession* sessionOf(j_common_ptr common)
{
    return (JpegSession*)common->client_data;
}

/* libjpeg only needs backing store when a picture's buffers exceed the memory bound. */
static void describeError(JpegSession* session, j_common_ptr common)
{
    if (common->err->msg_code == JERR_NO_BACKING_STORE) {
        snprintf(session->message, sizeof session->message,
            "Picture too large: decoding it needs more than %ld MB of memory",
            common->mem->max_memory_to_use / (1024L * 1024L));
        return;
    }
    (*common->err->format_message)(common, session->message);
}

static void failWithError(j_common_ptr common)
{
    JpegSession* session = sessionOf(common);
    describeError(session, common);
    longjmp(session->jump, 1);
}

/* Called for the first warning of a decode (trace messages stay below the trace level): a
   warning means damaged data, so the decode ends like on an error. */
static void failWithMessage(j_common_ptr common)
{
    JpegSession* session = sessionOf(common);
    (*common->err->format_message)(common, session->message);
    longjmp(session->jump, 1);
}

static void watchScans(j_common_ptr common)
{
    JpegSession* session = sessionOf(common);
    j_decompress_ptr info = (j_decompress_ptr)common;
    if (info->input_scan_number > session->maxScans) {
        snprintf(session->message, sizeof session->message, "Too many progressive scans in JPEG file (more than %d)",
            session->maxScans);
        longjmp(session->jump, 1);
    }
}

static void create(JpegSession* session, const JpegSessionOptions* options)
{
    session->info.err = jpeg_std_error(&session->errors);
    session->errors.error_exit = failWithError;
    session->errors.output_message = failWithMessage;
    session->errors.trace_level = 0;
    /* Both before creation: it can fail already, and it keeps client_data; destroying a
       half-created decompressor is safe. */
    session->info.client_data = session;
    session->created = 1;
    jpeg_create_decompress(&session->info);
    session->info.mem->max_memory_to_use = options->maxMemory;
    session->maxScans = options->maxScans;
    session->progress.progress_monitor = watchScans;
    session->info.progress = &session->progress;
}

static int isBmpColorSpace(J_COLOR_SPACE space)
{
    return space == JCS_GRAYSCALE || space == JCS_RGB;
}

/* The size of the bitmap the caller will build, checked before any row is decoded. */
static unsigned long long bitmapSize(const struct jpeg_decompress_struct* info)
{
    unsigned long long bytesPerPixel = info->quantize_colors || info->out_color_components == 1 ? 1 : 3;
    unsigned long long rowSize = (info->output_width * bytesPerPixel + 3) / 4 * 4;
    return 14 + 40 + 256 * 4 + rowSize * info->output_height;
}

/* Runs after the header so the options override libjpeg's defaults for this file. */
static int applyOptionsAndStart(JpegSession* session, const JpegSessionOptions* options)
{
    struct jpeg_decompress_struct* info = &session->info;
    jpeg_read_header(info, TRUE);
    if (options->grayscale)
        info->out_color_space = JCS_GRAYSCALE;
    if (!isBmpColorSpace(info->out_color_space)) {
        snprintf(session->message, sizeof session->message, "BMP output must be grayscale or RGB");
        return -1;
    }
    info->quantize_colors = options->quantize ? TRUE : FALSE;
    if (options->quantize) {
        info->desired_number_of_colors = options->colors;
        info->two_pass_quantize = options->twoPass ? TRUE : FALSE;
        info->dither_mode = options->dither;
    }
    info->dct_method = options->dct;
    info->do_fancy_upsampling = options->fancyUpsampling ? TRUE : FALSE;
    jpeg_calc_output_dimensions(info);
    if (bitmapSize(info) > (unsigned long long)options->maxMemory) {
        snprintf(session->message, sizeof session->message,
            "Picture too large: its bitmap needs more than %ld MB of memory", options->maxMemory / (1024L * 1024L));
        return -1;
    }
    jpeg_start_decompress(info);
    return 0;
}

int jpegSessionStartFile(JpegSession* session, FILE* file, const JpegSessionOptions* options)
{
    memset(session, 0, sizeof *session);
    if (setjmp(session->jump))
        return -1;
    create(session, options);
    jpeg_stdio_src(&session->info, file);
    return applyOptionsAndStart(session, options);
}

int jpegSessionStartMemory(
    JpegSession* session, const unsigned char* data, size_t size, const JpegSessionOptions* options)
{
    memset(session, 0, sizeof *session);
    if (setjmp(session->jump))
        return -1;
    create(session, options);
    jpeg_mem_src(&session->info, data, (unsigned long)size);
    return applyOptionsAndStart(session, options);
}

int jpegSessionReadRows(JpegSession* session, JSAMPARRAY rows, JDIMENSION count, JDIMENSION* read)
{
    if (setjmp(session->jump))
        return -1;
    *read = jpeg_read_scanlines(&session->info, rows, count);
    return 0;
}

int jpegSessionFinish(JpegSession* session)
{
    if (setjmp(session->jump))
        return -1;
    jpeg_finish_decompress(&session->info);
    return 0;
}

void jpegSessionDestroy(JpegSession* session)
{
    if (session->created)
        jpeg_destroy_decompress(&session->info);
    session->created = 0;
}
