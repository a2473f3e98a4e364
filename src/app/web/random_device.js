// Emscripten's random device, made when the file system starts, loads Node's
// crypto module at once, which costs every start a few milliseconds; the
// program reads no random bytes, so this one loads it when first read.
mergeInto(LibraryManager.library, {
  $getRandomDevice: function() {
    return function() { return require('crypto').randomBytes(1)[0]; };
  },
});
