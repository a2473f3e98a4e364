// The script folder, kept in the browser's storage: the files scripts and
// data commands read. The examples are there on first use; the user adds
// files by picking or dropping them.

const Store = "files";

function request(r) {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

function open() {
  const opening = indexedDB.open("plotmere-scripts", 1);
  opening.onupgradeneeded = () => opening.result.createObjectStore(Store);
  return request(opening);
}

async function put(db, files) {
  const store = db.transaction(Store, "readwrite").objectStore(Store);
  await Promise.all(files.map(({ name, bytes }) => request(store.put(bytes, name))));
}

async function examples() {
  const names = await (await fetch("examples/index.json")).json();
  return Promise.all(names.map(async (name) => {
    const bytes = new Uint8Array(await (await fetch(`examples/${name}`)).arrayBuffer());
    return { name, bytes };
  }));
}

// Every file of the folder as { name, bytes }, the examples put there first
// when the folder is new.
export async function folderFiles() {
  const db = await open();
  if ((await request(db.transaction(Store).objectStore(Store).count())) === 0) await put(db, await examples());
  const store = db.transaction(Store).objectStore(Store);
  const [names, contents] = await Promise.all([request(store.getAllKeys()), request(store.getAll())]);
  return names.map((name, i) => ({ name, bytes: contents[i] }));
}

// Files the user picked or dropped, kept; a file of the same name is replaced.
export async function addFiles(fileList) {
  const files = await Promise.all([...fileList].map(async (file) => ({
    name: file.name, bytes: new Uint8Array(await file.arrayBuffer()),
  })));
  await put(await open(), files);
  return files;
}
