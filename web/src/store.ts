// A small wrapper over IndexedDB: one database, a key-value store per kind of thing. Every
// write resolves only once its transaction has completed, so "saved" is said only after it is.

export type StoreName = "settings" | "table";

const DB_NAME = "jovitrack";
const DB_VERSION = 1;
const STORES: readonly StoreName[] = ["settings", "table"];

function request<T>(req: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error ?? new Error("IndexedDB request failed"));
  });
}

function completed(tx: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onabort = () => reject(tx.error ?? new Error("IndexedDB transaction aborted"));
    tx.onerror = () => reject(tx.error ?? new Error("IndexedDB transaction failed"));
  });
}

export class LocalStore {
  private constructor(private readonly db: IDBDatabase) {}

  static async open(factory: IDBFactory = indexedDB): Promise<LocalStore> {
    const req = factory.open(DB_NAME, DB_VERSION);
    req.onupgradeneeded = () => {
      for (const name of STORES) {
        if (!req.result.objectStoreNames.contains(name)) req.result.createObjectStore(name);
      }
    };
    return new LocalStore(await request(req));
  }

  async get<T>(store: StoreName, key: string): Promise<T | undefined> {
    const tx = this.db.transaction(store, "readonly");
    return (await request(tx.objectStore(store).get(key))) as T | undefined;
  }

  async put(store: StoreName, key: string, value: unknown): Promise<void> {
    const tx = this.db.transaction(store, "readwrite");
    tx.objectStore(store).put(value, key);
    await completed(tx);
  }

  async remove(store: StoreName, key: string): Promise<void> {
    const tx = this.db.transaction(store, "readwrite");
    tx.objectStore(store).delete(key);
    await completed(tx);
  }
}
