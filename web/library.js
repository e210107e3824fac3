// The program's calls into the page (src/web/page.h), handed to the page's
// Broadcast (web/page/broadcast.js).
mergeInto(LibraryManager.library, {
  web_step: function () {
    return Broadcast.step();
  },
  web_wait: function (step) {
    return Asyncify.handleSleep(function (wakeUp) {
      Broadcast.waitFor(step, wakeUp);
    });
  },
  web_pause: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      Broadcast.pause(wakeUp);
    });
  },
  web_shown: function () {
    Broadcast.shown();
  },
  web_input: function (element, entry) {
    var input = Broadcast.takeInput();
    if (!input) return 0;
    HEAP32[element >> 2] = input[1];
    HEAP32[entry >> 2] = input[2];
    return input[0];
  },
  web_screen_width: function () {
    return screen.width;
  },
  web_screen_height: function () {
    return screen.height;
  },
  // A text for the program, which frees it.
  $pageText__deps: ["malloc"],
  $pageText: function (value) {
    var size = lengthBytesUTF8(value) + 1;
    var text = _malloc(size);
    stringToUTF8(value, text, size);
    return text;
  },
  web_parameter__deps: ["$pageText"],
  web_parameter: function (name) {
    return pageText(Broadcast.parameter(UTF8ToString(name)));
  },
  web_site__deps: ["$pageText"],
  web_site: function () {
    return pageText(Broadcast.site());
  },
  web_names: function (inputs, skits) {
    Broadcast.names(UTF8ToString(inputs), UTF8ToString(skits));
  },
  web_notice: function (text) {
    Broadcast.notice(UTF8ToString(text));
  },
  web_starts: function (text) {
    Broadcast.starts(UTF8ToString(text));
  },
  web_address: function (link) {
    Broadcast.address(UTF8ToString(link));
  },
  web_link: function (link) {
    Broadcast.link(UTF8ToString(link));
  },
  web_moment: function (told, second, link) {
    Broadcast.moment(UTF8ToString(told), second, UTF8ToString(link));
  },
  web_refuse: function (why) {
    Broadcast.refuse(UTF8ToString(why));
  },
  web_create: function (id, kind, role, container, name, index) {
    Broadcast.create(id, UTF8ToString(kind), UTF8ToString(role), container, UTF8ToString(name),
                     index);
  },
  web_place: function (id, left, top, width, height, visible, z) {
    Broadcast.place(id, left, top, width, height, visible, z);
  },
  web_panel: function (id, back, border, toolTip, picture, pictureWidth, pictureHeight) {
    Broadcast.panel(id, back >>> 0, border, UTF8ToString(toolTip), UTF8ToString(picture),
                    pictureWidth, pictureHeight);
  },
  web_label: function (id, caption, serif, pixels, bold, italic, fore, opaque, back, align,
                       autoSize, singleLine) {
    Broadcast.label(id, UTF8ToString(caption), serif, pixels, bold, italic, fore >>> 0, opaque,
                    back >>> 0, align, autoSize, singleLine);
  },
  web_button: function (id, caption, serif, pixels, bold, italic, coloured, back, enabled,
                        tabIndex) {
    Broadcast.button(id, UTF8ToString(caption), serif, pixels, bold, italic, coloured,
                     back >>> 0, enabled, tabIndex);
  },
  web_list: function (id, entries, chosen, serif, pixels, bold, italic, tabIndex) {
    Broadcast.list(id, UTF8ToString(entries), chosen, serif, pixels, bold, italic, tabIndex);
  },
  web_name: function (id, name) {
    Broadcast.name(id, UTF8ToString(name));
  },
  web_shape: function (id, left, top, width, height, outline, cornerRadius, insideCornerRadius,
                       border, borderColor, filled, fill, hatch, hatchColor, hatchLeft, hatchTop) {
    Broadcast.shape(id, left, top, width, height, UTF8ToString(outline), cornerRadius,
                    insideCornerRadius, border, borderColor >>> 0, filled, fill >>> 0,
                    UTF8ToString(hatch), hatchColor >>> 0, hatchLeft, hatchTop);
  },
  web_line: function (id, x1, y1, x2, y2, color, width) {
    Broadcast.line(id, x1, y1, x2, y2, color >>> 0, width);
  },
  web_image: function (id, picture, width, height, stretch) {
    Broadcast.image(id, UTF8ToString(picture), width, height, stretch);
  },
  web_message: function (title, text) {
    Broadcast.message(UTF8ToString(title), UTF8ToString(text));
  },
  web_end: function (again, why) {
    Broadcast.end(UTF8ToString(again), UTF8ToString(why));
  },
  web_live_asked: function () {
    return Broadcast.live.asked() ? 1 : 0;
  },
  web_live_clock: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      Broadcast.live.clockChecked().then(wakeUp);
    });
  },
  web_live_now: function () {
    return Broadcast.live.now();
  },
  web_live: function (code) {
    Broadcast.live.on(UTF8ToString(code));
  },
  web_say: function (line) {
    Broadcast.say(UTF8ToString(line));
  },
  web_stop_speaking: function () {
    Broadcast.stopSpeaking();
  },
  web_speaking: function () {
    return Broadcast.speaking() ? 1 : 0;
  },
});
